#include "app/VersionChecker.h"

#include "app/Controller.h"
#include "app/Version.h"
#include "core/platform/Log.h"
#include "core/platform/Panels.h"
#include "core/platform/StringTable.h"
#include "core/platform/URLDataLoader.h"
#include "core/platform/UserDefaults.h"
#include "core/platform/VersionNumber.h"

#include <QDesktopServices>
#include <QUrl>

VersionChecker* VersionChecker::sharedVersionChecker() {
    // Never deleted: its downloads must not outlive the application object, and the run ends
    // with it.
    static VersionChecker* const instance = new VersionChecker();
    return instance;
}

VersionChecker::VersionChecker() = default;

VersionChecker::~VersionChecker() = default;

QString VersionChecker::version() {
    return Version::displayString();
}

QString VersionChecker::updateURL(const UserDefaults& defaults) {
    const QString fromEnvironment = qEnvironmentVariable(kUpdateURLVariable);
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    const QString fromDefaults = defaults.stringForKey(kUpdateURLKey);
    return fromDefaults.isEmpty() ? kDefaultUpdateURL : fromDefaults;
}

void VersionChecker::loadWebSite() {
    QDesktopServices::openUrl(QUrl(kWebSite));
}

void VersionChecker::isNewVersionAvailable(QObject* context, std::function<void(int)> done) {
    auto finished = [done = std::move(done)](URLDataLoader& loader) {
        const std::optional<QByteArray> data = loader.data();
        int result = -1;
        if (loader.status() == URLDataLoader::Finished && data && !data->isEmpty()) {
            result = VersionNumber::isNewer(QString::fromUtf8(*data), Version::kNumber) ? 1 : 0;
        } else {
            Log::write(
                QStringLiteral("Unable to check version of %1").arg(QStringLiteral("Fotino")));
        }
        loader.deleteLater();
        done(result);
    };
    // The loader goes with the context: a window that is gone abandons its check.
    URLDataLoader* loader = URLDataLoader::dataLoaderWithURL(updateURL(Controller::ud()),
                                                             kStartupTimeout, finished, context)
                                .release();
    loader->setParent(context);
}

void VersionChecker::checkNowForNewVersion() {
    checkNewVersion(true);
}

void VersionChecker::checkNewVersion(bool message) {
    if (versionLoader_) {
        Panels::beep();
        return;
    }
    message_ = message;
    versionLoader_ = URLDataLoader::dataLoaderWithURL(
        updateURL(Controller::ud()), kCheckNowTimeout,
        [this](URLDataLoader& loader) { isNewVersionAvailable(loader); }, this);
}

void VersionChecker::isNewVersionAvailable(URLDataLoader& loader) {
    const bool message = message_;
    const std::optional<QByteArray> data = loader.data();
    const bool finished = loader.status() == URLDataLoader::Finished && data;
    // Cleared before any alert: the next check may start while one is shown.
    versionLoader_.release()->deleteLater();
    if (finished) {
        if (VersionNumber::isNewer(QString::fromUtf8(*data), Version::kNumber)) {
            displayNewVersion();
        } else if (message) {
            Panels::runAlert(
                StringTable::localizedString(QStringLiteral("MSG_VERSION_UPTODATE")),
                StringTable::localizedString(QStringLiteral("MSG_VERSION_UPTODATE_LONG")),
                QString(), {StringTable::localizedString(QStringLiteral("BTN_OK"))});
        }
        return;
    }
    Log::write(QStringLiteral("Unable to check version"));
    if (message) {
        Panels::runAlert(StringTable::localizedString(QStringLiteral("ERROR_VERSION_CHECK")),
                         StringTable::localizedString(QStringLiteral("ERROR_VERSION_CHECK_LONG")),
                         QString(), {StringTable::localizedString(QStringLiteral("BTN_OK"))});
    }
}

void VersionChecker::displayNewVersion() {
    const int pressed = Panels::runAlert(
        StringTable::localizedString(QStringLiteral("MSG_NEW_VERSION")),
        StringTable::localizedString(QStringLiteral("MSG_NEW_VERSION_LONG")), QString(),
        {StringTable::localizedString(QStringLiteral("BTN_OK")),
         StringTable::localizedString(QStringLiteral("BTN_CANCEL"))});
    if (pressed == 0) {
        loadWebSite();
    }
}
