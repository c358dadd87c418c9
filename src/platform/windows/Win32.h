#pragma once
// The Windows headers as the Windows program includes them: wide-character APIs, no min/max
// macros, and without the two macros that would rename the core's MessageBox and DrawText.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>

#undef MessageBox
#undef DrawText
