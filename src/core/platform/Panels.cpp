#include "core/platform/Panels.h"

#include "core/platform/Log.h"

namespace {
Panels::Handler& provider() {
    static Panels::Handler handler;
    return handler;
}
Panels::Handler& testHook() {
    static Panels::Handler handler;
    return handler;
}
} // namespace

void Panels::setProvider(Handler handler) {
    provider() = std::move(handler);
}
void Panels::setTestHook(Handler hook) {
    testHook() = std::move(hook);
}
void Panels::clearTestHook() {
    testHook() = nullptr;
}
bool Panels::hasTestHook() {
    return static_cast<bool>(testHook());
}

int Panels::run(const PanelRequest& request) {
    if (testHook()) {
        return testHook()(request);
    }
    if (provider()) {
        return provider()(request);
    }
    if (request.kind == PanelRequest::Kind::Alert) {
        Log::write(request.title.isEmpty()
                       ? request.message
                       : request.title + QStringLiteral(": ") + request.message);
    }
    return -1;
}

int Panels::runAlert(const QString& title, const QString& message, const QString& informativeText,
                     const QStringList& buttons) {
    PanelRequest request;
    request.kind = PanelRequest::Kind::Alert;
    request.title = title;
    request.message = message;
    request.informativeText = informativeText;
    request.buttons = buttons;
    return run(request);
}

void Panels::beep() {
    PanelRequest request;
    request.kind = PanelRequest::Kind::Beep;
    run(request);
}

bool Panels::runPageSetup(QPrinter* printer) {
    PanelRequest request;
    request.kind = PanelRequest::Kind::PageSetup;
    request.printer = printer;
    return run(request) == 0;
}

bool Panels::runPrintDialog(QPrinter* printer) {
    PanelRequest request;
    request.kind = PanelRequest::Kind::Print;
    request.printer = printer;
    return run(request) == 0;
}

std::optional<QString> Panels::runSavePanel(const QString& directory, QWidget* accessory,
                                            const QString& fileName) {
    QString chosen;
    PanelRequest request;
    request.kind = PanelRequest::Kind::Save;
    request.directory = directory;
    request.fileName = fileName;
    request.accessory = accessory;
    request.chosenPath = &chosen;
    if (run(request) != 0 || chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen;
}

std::optional<QString> Panels::runOpenPanel(const QString& title, const QString& directory,
                                            const QStringList& nameFilters) {
    QString chosen;
    PanelRequest request;
    request.kind = PanelRequest::Kind::Open;
    request.title = title;
    request.directory = directory;
    request.nameFilters = nameFilters;
    request.chosenPath = &chosen;
    if (run(request) != 0 || chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen;
}

QStringList Panels::runOpenPanelForFiles(const QString& title, const QString& directory,
                                         const QStringList& nameFilters) {
    QStringList chosen;
    PanelRequest request;
    request.kind = PanelRequest::Kind::Open;
    request.title = title;
    request.directory = directory;
    request.nameFilters = nameFilters;
    request.multipleSelection = true;
    request.chosenPaths = &chosen;
    if (run(request) != 0) {
        return {};
    }
    return chosen;
}

void Panels::runInformation(const QString& message, const QString& informativeText,
                            const QString& detailedText, const QString& okButton) {
    PanelRequest request;
    request.kind = PanelRequest::Kind::Alert;
    request.message = message;
    request.informativeText = informativeText;
    request.detailedText = detailedText;
    request.informational = true;
    request.buttons = {okButton};
    run(request);
}
