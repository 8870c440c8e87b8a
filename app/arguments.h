#ifndef ARKMETER_ARGUMENTS_H
#define ARKMETER_ARGUMENTS_H

// The argument text of a raw command line: what follows the program name.
const char *StartupArgumentText(const char *commandLine);

#endif
