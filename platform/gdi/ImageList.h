// SPDX-License-Identifier: MIT
// Image lists: numbered images of one fixed size, each with an optional transparency mask,
// drawn onto a device context in one call.
#pragma once

#include "platform/gdi/Gdi.h"

struct GdiImageList;
using HIMAGELIST = GdiImageList*;

inline constexpr UINT ILC_MASK = 0x0001; // images carry a mask; without it they draw opaque
inline constexpr UINT ILC_COLOR = 0x0000;
inline constexpr UINT ILC_COLOR24 = 0x0018;
inline constexpr UINT ILC_COLOR32 = 0x0020;

inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;

// None (nullptr) for a negative size or one too large to hold.
HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
int ImageList_GetImageCount(HIMAGELIST list);
// Images appended by growing are blank: black and, in a masked list, wholly transparent.
BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height);
// Appends one image per full image width of the bitmap; a set mask bit (white) marks a
// transparent pixel. Returns the index of the first appended image, or -1.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// The top-left image-sized part of the bitmap and mask replace image index. A bitmap
// smaller than the image size, or an index not in the list, is refused.
BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
// Draws image index with its top-left at (x, y): opaque pixels replace the target, transparent
// ones leave it as it was. ILD_NORMAL and ILD_TRANSPARENT draw alike, as the list keeps no
// background colour of its own.
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
