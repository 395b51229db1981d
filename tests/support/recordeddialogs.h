#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "platform/dialogs.h"

// Stands in for the program's dialogs while it lives: every question is recorded and answered at once
// from the answers set beforehand (none set: cancelled, or "いいえ(&N)").
class RecordedDialogs : public Dialogs {
public:
    RecordedDialogs() : m_previous(SetDialogs(this)) {}
    ~RecordedDialogs() override { SetDialogs(m_previous); }
    RecordedDialogs(const RecordedDialogs&) = delete;
    RecordedDialogs& operator=(const RecordedDialogs&) = delete;

    std::optional<QString> ChooseFile(const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return std::exchange(fileAnswer, std::nullopt);
    }
    std::optional<TColor> ChooseColor(TColor initial) override {
        colorRequests.push_back(initial);
        return std::exchange(colorAnswer, std::nullopt);
    }
    bool Confirm(const QString& title, const QString& text) override {
        confirmations.append(title + QLatin1Char('|') + text);
        return std::exchange(confirmAnswer, false);
    }

    // The next answers, each used once.
    std::optional<QString> fileAnswer;
    std::optional<TColor> colorAnswer;
    bool confirmAnswer = false;

    std::vector<FileDialogRequest> fileRequests;
    std::vector<TColor> colorRequests;
    QStringList confirmations;

private:
    Dialogs* m_previous;
};
