#pragma once

// Resources of the Windows program (numoria_win32.rc). Icon 1 is the
// program's icon, from resources/numoria.rc.

#define NUMORIA_ICON 1
#define NUMORIA_BACKGROUND 10
#define NUMORIA_FONT_SONG 20
#define NUMORIA_FONT_ROUND 21
