// The wait cursor over a few widgets for the length of a scope. It is put
// back however the scope ends, by an exception too, so a command that fails
// half-way never leaves the program looking busy.
#pragma once

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

class CursorEspera {
public:
    CursorEspera(std::initializer_list<QWidget*> widgets) {
        for (QWidget* w : widgets) {
            if (!w) continue;
            w->setCursor(Qt::WaitCursor);
            widgets_.emplace_back(w);
        }
    }
    ~CursorEspera() {
        for (const QPointer<QWidget>& w : widgets_)
            if (w) w->unsetCursor();
    }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;

private:
    std::vector<QPointer<QWidget>> widgets_;
};
