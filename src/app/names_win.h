// The names Windows knows the program by: its window classes and its product name as UTF-16.
#pragma once

#include "app/version.h"

#define TARNWICK_WIDE_(text) L##text
#define TARNWICK_WIDE(text) TARNWICK_WIDE_(text)

inline constexpr wchar_t kProductNameWide[] = TARNWICK_WIDE(TARNWICK_PRODUCT_NAME);

// A second copy finds the first by its main window's class.
inline constexpr wchar_t kMainWindowClass[] = L"TarnwickLight.Main";
inline constexpr wchar_t kVideoWindowClass[] = L"TarnwickLight.Video";
inline constexpr wchar_t kBarWindowClass[] = L"TarnwickLight.Bar";
inline constexpr wchar_t kHelpWindowClass[] = L"TarnwickLight.Help";
inline constexpr wchar_t kAboutWindowClass[] = L"TarnwickLight.About";
