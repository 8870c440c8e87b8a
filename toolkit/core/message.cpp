// Message boxes over the system's MessageBoxA: icon and buttons chosen by
// keywords, the system's answer translated into the toolkit's codes.
#include <string.h>

#include "../toolkit.h"
#include "keywords.h"

struct IconKeyword {
    const char *keyword;
    UINT icon;
};

static const IconKeyword kIcons[] = {
    {"EXCLAMATION", MB_ICONEXCLAMATION},
    {"INFORMATION", MB_ICONINFORMATION},
    {"QUESTION", MB_ICONQUESTION},
    {"STOP", MB_ICONSTOP},
};

// The buttons from left to right; the word in capitals is the default, by
// its position (1 to 4). In the abort set the abort button is "cancel".
struct ButtonSetKeyword {
    const char *keyword;
    UINT buttons;
    int defaultButton;
};

static const ButtonSetKeyword kButtonSets[] = {
    {"OK", MB_OK, 1},
    {"OK_help", MB_OK | MB_HELP, 1},
    {"ok_HELP", MB_OK | MB_HELP, 2},
    {"OK_cancel", MB_OKCANCEL, 1},
    {"ok_CANCEL", MB_OKCANCEL, 2},
    {"OK_cancel_help", MB_OKCANCEL | MB_HELP, 1},
    {"ok_CANCEL_help", MB_OKCANCEL | MB_HELP, 2},
    {"ok_cancel_HELP", MB_OKCANCEL | MB_HELP, 3},
    {"RETRY_cancel", MB_RETRYCANCEL, 1},
    {"retry_CANCEL", MB_RETRYCANCEL, 2},
    {"RETRY_cancel_help", MB_RETRYCANCEL | MB_HELP, 1},
    {"retry_CANCEL_help", MB_RETRYCANCEL | MB_HELP, 2},
    {"retry_cancel_HELP", MB_RETRYCANCEL | MB_HELP, 3},
    {"YES_no", MB_YESNO, 1},
    {"yes_NO", MB_YESNO, 2},
    {"YES_no_help", MB_YESNO | MB_HELP, 1},
    {"yes_NO_help", MB_YESNO | MB_HELP, 2},
    {"yes_no_HELP", MB_YESNO | MB_HELP, 3},
    {"YES_no_cancel", MB_YESNOCANCEL, 1},
    {"yes_NO_cancel", MB_YESNOCANCEL, 2},
    {"yes_no_CANCEL", MB_YESNOCANCEL, 3},
    {"YES_no_cancel_help", MB_YESNOCANCEL | MB_HELP, 1},
    {"yes_NO_cancel_help", MB_YESNOCANCEL | MB_HELP, 2},
    {"yes_no_CANCEL_help", MB_YESNOCANCEL | MB_HELP, 3},
    {"yes_no_cancel_HELP", MB_YESNOCANCEL | MB_HELP, 4},
    {"CANCEL_retry_ignore", MB_ABORTRETRYIGNORE, 1},
    {"cancel_RETRY_ignore", MB_ABORTRETRYIGNORE, 2},
    {"cancel_retry_IGNORE", MB_ABORTRETRYIGNORE, 3},
    {"CANCEL_retry_ignore_help", MB_ABORTRETRYIGNORE | MB_HELP, 1},
    {"cancel_RETRY_ignore_help", MB_ABORTRETRYIGNORE | MB_HELP, 2},
    {"cancel_retry_IGNORE_help", MB_ABORTRETRYIGNORE | MB_HELP, 3},
    {"cancel_retry_ignore_HELP", MB_ABORTRETRYIGNORE | MB_HELP, 4},
};

static const UINT kDefaultButtonFlags[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3,
                                           MB_DEFBUTTON4};

struct AnswerTranslation {
    int system;
    int toolkit;
};

static const AnswerTranslation kAnswers[] = {
    {IDNO, KT_ANSWER_NO},   {IDIGNORE, KT_ANSWER_IGNORE}, {IDRETRY, KT_ANSWER_RETRY},
    {IDYES, KT_ANSWER_YES}, {IDOK, KT_ANSWER_OK},         {IDCANCEL, KT_ANSWER_CANCEL},
    {IDABORT, KT_ANSWER_CANCEL},
};

static UINT IconStyle(const char *keyword) {
    const IconKeyword *row = ktFindKeyword(kIcons, keyword);
    return row ? row->icon : 0;
}

static UINT ButtonStyle(const char *keyword) {
    const ButtonSetKeyword *row = ktFindKeyword(kButtonSets, keyword);
    if (!row) return MB_OK | MB_DEFBUTTON1;
    return row->buttons | kDefaultButtonFlags[row->defaultButton - 1];
}

// Anything the table does not name, such as 0 for a box that could not be
// shown, passes through.
static int ToolkitAnswer(int system) {
    for (size_t i = 0; i < KT_ARRAY_SIZE(kAnswers); ++i)
        if (kAnswers[i].system == system) return kAnswers[i].toolkit;
    return system;
}

int kt_MessageShow(HWND owner, const char *caption, char *text, const char *option) {
    MessageBoxA(owner, text, caption, MB_OK);
    // "D" hands back an emptied buffer, for a caller that reuses it.
    if (text && option && strcmp(option, "D") == 0) text[0] = 0;
    return 0;
}

int kt_MessageBox(HWND owner, const char *caption, const char *text, const char *icon,
                  const char *buttons) {
    UINT style = IconStyle(icon) | ButtonStyle(buttons);
    return ToolkitAnswer(MessageBoxA(owner, text, caption, style));
}
