#include "../toolkit.h"

int kt_LastX = 0;
int kt_LastY = 0;
int kt_AdvancePending = 0;
