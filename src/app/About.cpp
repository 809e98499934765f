#include "app/About.h"

#include "app/VersionChecker.h"
#include "core/platform/FileManager.h"
#include "core/platform/Log.h"
#include "core/platform/ResourceFolder.h"
#include "ui/platform/KtObject.h"
#include "ui_Aboutpanel.h"

#include <QPointer>

namespace {
QPointer<About>& instance() {
    static QPointer<About> box;
    return box;
}
// The string table names each language's document, so that it follows the language of
// every other text.
const QString kDocumentKey = QStringLiteral("aboutDocument");
const QString kFallbackDocument = QStringLiteral("about/about_en.html");
// Written in the documents where the web site's address goes.
const QString kWebSitePlaceholder = QStringLiteral("{website}");
} // namespace

About* About::about() {
    if (!instance()) {
        instance() = new About();
    }
    About* box = instance();
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

About::About()
    : ui_(std::make_unique<Ui::Aboutpanel>()) {
    ui_->setupUi(this);
    awakeFromNib();
}

About::~About() = default;

QString About::documentPath() {
    const QString localized =
        ResourceFolder::pathForResource(KtObject::localizedString(kDocumentKey));
    return FileManager::isRegularFileAtPath(localized)
               ? localized
               : ResourceFolder::pathForResource(kFallbackDocument);
}

void About::awakeFromNib() {
    const QString path = documentPath();
    const std::optional<QByteArray> document = FileManager::contentsAtPath(path);
    if (!document) {
        Log::write(QStringLiteral("Unable to load the about document at path %1").arg(path));
    }
    QString html = QString::fromUtf8(document.value_or(QByteArray()));
    html.replace(kWebSitePlaceholder, VersionChecker::kWebSite.toHtmlEscaped());
    ui_->textField->setHtml(html);
    ui_->versionField->setText(VersionChecker::version());
    connect(ui_->closeButton, &QPushButton::clicked, this, &QWidget::close);
    localizePanel();
}

void About::localizePanel() {
    KtObject::localize(this, QStringLiteral("aboutWindow"));
    KtObject::localize(ui_->closeButton, QStringLiteral("closeMenu"));
}
