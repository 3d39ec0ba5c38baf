// SPDX-License-Identifier: MIT
#pragma once

#include "system.h"

#include <utility>

// Owns one GDI object (a brush or a font) and deletes it once.
template <typename H> class Gdi {
public:
    Gdi() = default;
    explicit Gdi(H handle)
        : m_handle(handle)
    {
    }
    Gdi(Gdi &&other) noexcept { std::swap(m_handle, other.m_handle); }
    Gdi(const Gdi &) = delete;
    Gdi &operator=(const Gdi &) = delete;
    Gdi &operator=(Gdi &&other) noexcept
    {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    ~Gdi()
    {
        if (m_handle != nullptr)
            DeleteObject(m_handle);
    }
    H get() const { return m_handle; }

private:
    H m_handle = nullptr;
};
