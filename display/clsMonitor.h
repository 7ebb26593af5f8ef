// One monitor as the monitor set found it: the platform's handle, the full
// rectangle and the work area in virtual-desktop pixels, a stored width and
// height, and the MainDisplay flag.
//
// A plain record: every property stores and returns exactly what it is given.
// Nothing is checked or derived; Width and Height are not recomputed when an
// edge changes. The set fills records, it never changes one it has added.
#pragma once

#include <cstdint>

namespace display {

class clsMonitor {
public:
    std::int32_t handle() const { return m_handle; }
    void setHandle(std::int32_t value) { m_handle = value; }
    std::int32_t Height() const { return m_Height; }
    void setHeight(std::int32_t value) { m_Height = value; }
    std::int32_t Width() const { return m_Width; }
    void setWidth(std::int32_t value) { m_Width = value; }
    std::int32_t Left() const { return m_Left; }
    void setLeft(std::int32_t value) { m_Left = value; }
    std::int32_t Right() const { return m_Right; }
    void setRight(std::int32_t value) { m_Right = value; }
    std::int32_t Top() const { return m_Top; }
    void setTop(std::int32_t value) { m_Top = value; }
    std::int32_t Bottom() const { return m_Bottom; }
    void setBottom(std::int32_t value) { m_Bottom = value; }
    std::int32_t WorkLeft() const { return m_WorkLeft; }
    void setWorkLeft(std::int32_t value) { m_WorkLeft = value; }
    std::int32_t WorkRight() const { return m_WorkRight; }
    void setWorkRight(std::int32_t value) { m_WorkRight = value; }
    std::int32_t WorkTop() const { return m_WorkTop; }
    void setWorkTop(std::int32_t value) { m_WorkTop = value; }
    std::int32_t WorkBottom() const { return m_WorkBottom; }
    void setWorkBottom(std::int32_t value) { m_WorkBottom = value; }
    bool MainDisplay() const { return m_MainDisplay; }
    void setMainDisplay(bool value) { m_MainDisplay = value; }

    bool operator==(const clsMonitor &) const = default;

private:
    std::int32_t m_handle = 0;
    std::int32_t m_Left = 0;
    std::int32_t m_Right = 0;
    std::int32_t m_Top = 0;
    std::int32_t m_Bottom = 0;
    std::int32_t m_WorkLeft = 0;
    std::int32_t m_WorkRight = 0;
    std::int32_t m_WorkTop = 0;
    std::int32_t m_WorkBottom = 0;
    std::int32_t m_Width = 0;
    std::int32_t m_Height = 0;
    bool m_MainDisplay = false;
};

} // namespace display
