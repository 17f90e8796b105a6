// VT100/ANSI sequences of the operator dialogue. The TERMINAL forms print their sequence; the CLI
// forms are string pieces joined to a message literal.
#ifndef OVRIMO_VT100_H
#define OVRIMO_VT100_H

#define CLI_BACK_BLACK "\x1b[1;40m"
#define CLI_FONT_WHITE "\x1b[1;37m"
#define CLI_FONT_DEFAULT CLI_FONT_WHITE
#define CLI_FONT_YELLOW "\x1b[1;33m"
#define CLI_FONT_BLUE "\x1b[1;34m"
#define CLI_FONT_RED "\x1b[1;31m"
#define CLI_FONT_GREEN "\x1b[1;32m"
#define CLI_DISPLAY_CLEAR "\x1b[2J"
#define CLI_RESET_CURSOR "\x1b[H"

#define TERMINAL_BACK_BLACK printf(CLI_BACK_BLACK)
#define TERMINAL_DISPLAY_CLEAR printf(CLI_DISPLAY_CLEAR)
#define TERMINAL_RESET_CURSOR printf(CLI_RESET_CURSOR)
#define TERMINAL_FONT_WHITE printf(CLI_FONT_WHITE)

#endif
