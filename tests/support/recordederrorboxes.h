#pragma once

#include <QString>
#include <QStringList>

#include "platform/errorbox.h"

// Stands in for the standard error box while it lives: the texts it would show land in shown, in order,
// and nothing waits for a click.
class RecordedErrorBoxes {
public:
    RecordedErrorBoxes()
        : m_previous(SetErrorPresenter([this](const QString& text) { shown.append(text); })) {}
    ~RecordedErrorBoxes() { SetErrorPresenter(m_previous); }
    RecordedErrorBoxes(const RecordedErrorBoxes&) = delete;
    RecordedErrorBoxes& operator=(const RecordedErrorBoxes&) = delete;

    QStringList shown;

private:
    ErrorPresenter m_previous;
};
