// The calling convention of the JNI invocation functions and function
// tables: __stdcall on 32-bit Windows, the default elsewhere.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define TARN_JNICALL __stdcall
#else
#define TARN_JNICALL
#endif
