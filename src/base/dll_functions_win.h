// Functions looked up at run time: one list per library, each library loaded once. The program
// resolves what not every supported Windows has (a static import of a missing function makes the
// loader refuse the whole program before it can say anything) and the libraries it can run without.
#pragma once

#include "base/win32_win.h"

// Looks `name` up in `module` into a pointer of the function's own type; false, and the pointer
// null, when the module or the function is missing.
template <typename Function>
bool resolve_function(HMODULE module, const char* name, Function& slot) {
    slot = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
    return slot != nullptr;
}

// A library from the system folder only, never one beside a video or in the current folder; null
// when it cannot be loaded. It is never freed: the functions resolved from it are kept for the life
// of the process.
inline HMODULE load_system_library(const wchar_t* file) {
    return LoadLibraryExW(file, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// One member per entry of an X-macro list of functions the Windows headers declare, X(name): a
// pointer of the function's own type, null until resolved.
#define TARNWICK_FUNCTION_SLOT(name) decltype(&::name) name = nullptr;
#define TARNWICK_RESOLVE_SLOT(name) resolve_function(module, #name, found.name);
// The same for functions no header the program can include declares, X(name, result, parameters).
#define TARNWICK_TYPED_FUNCTION_SLOT(name, result, parameters) result(WINAPI* name) parameters = nullptr;
#define TARNWICK_TYPED_RESOLVE_SLOT(name, result, parameters) resolve_function(module, #name, found.name);

// Declares the table `Table` of the functions of `list` and `const Table& accessor()`, which
// resolves them from the module `module_expression` gives the first time it is called. The
// functions a module lacks stay null.
#define TARNWICK_FUNCTION_TABLE(Table, accessor, list, module_expression) \
    TARNWICK_FUNCTION_TABLE_OF(Table, accessor, list, TARNWICK_FUNCTION_SLOT, TARNWICK_RESOLVE_SLOT, module_expression)
#define TARNWICK_TYPED_FUNCTION_TABLE(Table, accessor, list, module_expression)                                  \
    TARNWICK_FUNCTION_TABLE_OF(Table, accessor, list, TARNWICK_TYPED_FUNCTION_SLOT, TARNWICK_TYPED_RESOLVE_SLOT, \
                               module_expression)

// Inline, so that a header can declare a table its files share.
#define TARNWICK_FUNCTION_TABLE_OF(Table, accessor, list, slot, resolve, module_expression) \
    struct Table {                                                                          \
        list(slot)                                                                          \
    };                                                                                      \
    inline const Table& accessor() {                                                        \
        static const Table table = [] {                                                     \
            Table found;                                                                    \
            const HMODULE module = (module_expression);                                     \
            list(resolve) return found;                                                     \
        }();                                                                                \
        return table;                                                                       \
    }
