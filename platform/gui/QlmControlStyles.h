#pragma once
// Styles of the edit and list controls that dialog templates and the
// library tool bars ask for, beside the common ones of QlmGuiConstants.h.
#include "platform/gui/QlmGuiConstants.h"

constexpr DWORD ES_PASSWORD = 0x0020;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD CBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr int LB_ERR = -1;
