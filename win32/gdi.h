// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// GDI objects the windows own, deleted with their holder, and selected for a while.

#include <windows.h>

#include <utility>

namespace win32 {

template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle)
        : handle_(handle)
    {
    }
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr))
    {
    }
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    void reset(Handle handle = nullptr)
    {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

// An object selected into a device context until the end of the scope, then the one before.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc)
        , old_(SelectObject(dc, object))
    {
    }
    ~Selection() { SelectObject(dc_, old_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace win32
