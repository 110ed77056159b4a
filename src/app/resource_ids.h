// Ids of the resources in tarnwick.rc; the resource script and the code both include this file, so it
// holds nothing but macros.
#pragma once

#define TARNWICK_ICON_ID 1  // the window classes' icon
#define TARNWICK_LOGO_ID 2  // the bitmap the About window draws
