#pragma once
// Records what a surface prints, with where.

#include "platform/Surface.h"

#include <QString>

#include <vector>

struct PrintedText {
    QString text;
    double x, y;
};

class TextLog {
public:
    explicit TextLog(platform::Surface &surface) : surface_(surface)
    {
        surface.setTextObserver([this](const QString &text, double x, double y) { texts.push_back({text, x, y}); });
    }
    ~TextLog() { surface_.setTextObserver({}); }

    QStringList strings() const
    {
        QStringList result;
        for (const PrintedText &printed : texts)
            result << printed.text;
        return result;
    }
    const PrintedText *find(const QString &text) const
    {
        for (const PrintedText &printed : texts)
            if (printed.text == text)
                return &printed;
        return nullptr;
    }

    std::vector<PrintedText> texts;

private:
    platform::Surface &surface_;
};
