#pragma once
// The per-user defaults store: strings, numbers and booleans by key, kept in an INI file
// in the XDG config folder. An absent key reads as none, 0 or false.

#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

class UserDefaults {
public:
    // A store backed by the given INI file.
    explicit UserDefaults(const QString& filePath);

    // The process-wide store: $XDG_CONFIG_HOME/Fotino/Fotino.ini.
    static UserDefaults& standardUserDefaults();
    // Drops the process-wide store so that the next call reads the environment afresh.
    static void resetStandardUserDefaults();

    // Values that absent keys read as; kept in memory only, never written.
    void registerDefaults(const QVariantMap& defaults);

    QVariant objectForKey(const QString& key) const;
    QString stringForKey(const QString& key) const;
    bool boolForKey(const QString& key) const;
    int integerForKey(const QString& key) const;
    double doubleForKey(const QString& key) const;
    float floatForKey(const QString& key) const;
    // Whether the store itself holds a value (a registered default does not count).
    bool hasValueForKey(const QString& key) const;

    void setObject(const QVariant& value, const QString& key);
    void setBool(bool value, const QString& key);
    void setFloat(float value, const QString& key);
    void removeObjectForKey(const QString& key);

    // Writes pending changes to disk; answers whether the file is in a good state.
    bool synchronize();
    QString filePath() const;

private:
    std::unique_ptr<QSettings> settings_;
    QVariantMap registered_;
};
