#pragma once
// The update check: compares the program's version number with the one published on our web
// site, at start-up (quietly) and when the user asks (with an answer either way), and opens
// the web site. One shared checker a run.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class URLDataLoader;
class UserDefaults;

class VersionChecker : public QObject {
    Q_OBJECT
public:
    // User defaults: whether to check at every start, and another update-information URL.
    static inline const QString kCheckVersionKey = QStringLiteral("checkVersion");
    static inline const QString kUpdateURLKey = QStringLiteral("updateURL");
    // The environment variable that names another update-information URL; it wins over the
    // user default.
    static constexpr const char* kUpdateURLVariable = "FOTINO_UPDATE_URL";
    // Our web site, and the file on it that holds the latest version number (142 for 1.4.2).
    static inline const QString kWebSite = QStringLiteral("https://fotino.app/");
    static inline const QString kDefaultUpdateURL =
        QStringLiteral("https://fotino.app/update/version.txt");
    // Seconds the whole download may take. The start-up check is short: its answer only
    // matters when it comes while the user is still there.
    static constexpr double kStartupTimeout = 5.0;
    static constexpr double kCheckNowTimeout = 10.0;

    static VersionChecker* sharedVersionChecker();
    VersionChecker();
    ~VersionChecker() override;

    // "Version 1.4.1"
    static QString version();
    // Where the published version number is read from.
    static QString updateURL(const UserDefaults& defaults);
    // Opens our web site in the user's browser.
    static void loadWebSite();

    // The start-up check, without blocking: done later receives 1 (a newer version is
    // published), 0 (none) or -1 (the check failed, which is logged), unless context is gone
    // by then, in which case the check is abandoned.
    void isNewVersionAvailable(QObject* context, std::function<void(int)> done);
    // Checks at once and tells the user the answer, whatever it is.
    void checkNowForNewVersion();
    // Starts a check that reports a newer version, and with message also an up-to-date
    // answer or a failure; beeps while a check is still running.
    void checkNewVersion(bool message);
    // Whether a check of checkNewVersion is still running.
    bool isChecking() const { return versionLoader_ != nullptr; }
    // Tells of a newer version and offers to open the web site.
    void displayNewVersion();

private:
    // The answer of checkNewVersion's download.
    void isNewVersionAvailable(URLDataLoader& loader);

    std::unique_ptr<URLDataLoader> versionLoader_;
    bool message_ = false;
};
