// Toolkit forms as the monitor set's centring sees them: the form to move,
// and a form as the reference object whose "hwnd" names its window. Neither
// owns the form; a reference answers only "hwnd" (error 438 for any other name).
#pragma once

#include "CentringTargets.h"
#include "toolkit/Errors.h"
#include "toolkit/Form.h"

namespace display {

class CenteredForm : public FormToCenter {
public:
    explicit CenteredForm(toolkit::Form &form) : m_form(form) {}

    float Width() const override { return m_form.Width(); }
    float Height() const override { return m_form.Height(); }
    void Move(float left, double top) override { m_form.Move(left, top); }

private:
    toolkit::Form &m_form;
};

class FormReference : public ReferenceObject {
public:
    explicit FormReference(toolkit::Form &form) : m_form(form) {}

    std::int64_t Property(std::string_view name) const override
    {
        if (name != "hwnd")
            throw toolkit::Error(toolkit::ErrPropertyNotFound, "Object doesn't support this property or method");
        return m_form.hwnd();
    }

private:
    toolkit::Form &m_form;
};

} // namespace display
