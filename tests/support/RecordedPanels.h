#pragma once
// Answers every modal (alerts, panels, dialogs) instead of a person for as long as it lives,
// with the button index in `answer`, and keeps what was asked.

#include "core/platform/Panels.h"

#include <QStringList>
#include <vector>

class RecordedPanels {
public:
    explicit RecordedPanels(int answer = 0)
        : answer(answer) {
        Panels::setTestHook([this](const PanelRequest& request) {
            requests.push_back(request);
            return this->answer;
        });
    }
    ~RecordedPanels() { Panels::clearTestHook(); }
    RecordedPanels(const RecordedPanels&) = delete;
    RecordedPanels& operator=(const RecordedPanels&) = delete;

    // The alerts asked, in order.
    std::vector<PanelRequest> alerts() const {
        std::vector<PanelRequest> found;
        for (const PanelRequest& request : requests) {
            if (request.kind == PanelRequest::Kind::Alert) {
                found.push_back(request);
            }
        }
        return found;
    }
    QStringList alertMessages() const {
        QStringList messages;
        for (const PanelRequest& request : alerts()) {
            messages << request.message;
        }
        return messages;
    }

    std::vector<PanelRequest> requests;
    int answer;
};
