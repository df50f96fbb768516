#pragma once
// Resource and command identifiers of the main frame.
#include "platform/gui/QlmGuiConstants.h"

// Frame (menu, accelerators, icon, title string) and tool-bar resources.
constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDR_REFORMAT = 187;
constexpr UINT IDR_NERVE = 188;
constexpr UINT IDR_IMPLANT = 283;
constexpr UINT IDR_ORTO = 296;
constexpr UINT IDR_GEOMS = 306;
constexpr UINT IDR_DENTES = 312;
constexpr UINT IDR_ENDO = 313;
// The nerve-diameter pop-up of the nerve tool bar's "Diâmetro" arrow.
constexpr UINT IDR_NERVE_DIAMETER = 202;
// The implant tool's context menu.
constexpr UINT IDR_IMPLANT_MENU = 192;
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_SPLASH = 219;

// Commands the shell itself handles.
constexpr UINT ID_FILE_OPEN = 57601;
constexpr UINT ID_FILE_SAVE = 57603;
constexpr UINT ID_FILE_SAVE_AS = 32777;
constexpr UINT ID_OPEN_PROJECT = 32812;
constexpr UINT ID_SAVE_PROJECT = 32813;
constexpr UINT ID_FILE_CLOSE = 57602;
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_APP_EXIT = 57665;
constexpr UINT ID_SHOW_SPLASH = 33136;
constexpr UINT ID_NERVE_DIAMETER = 32967;

// The 19 cursors of the controller's cursor table, in table order.
constexpr UINT CursorResources[19] = {168, 146, 147, 174, 175, 176, 148, 149, 154, 157,
                                      158, 169, 179, 168, 177, 180, 181, 182, 183};

// The entries of the "Abrir Recentes" pop-up by list position.
constexpr UINT RecentProjectCommands[5] = {32940, 32945, 32946, 32947, 32948};
