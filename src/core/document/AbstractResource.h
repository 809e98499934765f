#pragma once
// A persistent object whose whole state is one keyed attribute store (the container) plus
// the path of its file. Its file is the container written as an XML property list.
// Flags are stored as the strings "YES" and "NO".

#include "core/document/UniqueIDObject.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <memory>

class AbstractResource : public UniqueIDObject {
public:
    static inline const QString kNameKey = QStringLiteral("_AbstractResourceName");
    static inline const QString kFileTypeKey = QStringLiteral("AbstractResourceFileType");
    static inline const QString kUniqueIDKey = QStringLiteral("_AbstractResourceUniqueID");

    AbstractResource() = default;
    ~AbstractResource() override = default;

    // The resource loaded from the file, or none when it is missing, unreadable or not a
    // dictionary.
    template <typename T = AbstractResource>
    static std::shared_ptr<T> initWithPath(const QString& path) {
        auto resource = std::make_shared<T>();
        resource->setFilePath(path);
        if (!resource->loadFromFile()) {
            return nullptr;
        }
        return resource;
    }

    // Typed accessors. Numeric reads of a missing key yield 0.
    void setDouble(double value, const QString& key);
    double doubleForKey(const QString& key) const;
    void setFloat(float value, const QString& key);
    float floatForKey(const QString& key) const;
    void setInt(int value, const QString& key);
    int intForKey(const QString& key) const;
    void setUnsignedInt(quint32 value, const QString& key);
    quint32 unsignedIntForKey(const QString& key) const;
    // Stored as a signed 16-bit number, read back unsigned.
    void setUnsignedShort(quint16 value, const QString& key);
    quint16 unsignedShortForKey(const QString& key) const;
    // "YES" or "NO"; reads true only for the string "YES".
    void setBool(bool value, const QString& key);
    bool boolForKey(const QString& key) const;
    // A null string or key is ignored.
    void setString(const QString& value, const QString& key);
    QString stringForKey(const QString& key) const;
    // An invalid value or a null key is ignored.
    void setObject(const QVariant& value, const QString& key);
    QVariant objectForKey(const QString& key) const;
    // Stored as the text "{x, y}"; a missing key reads (0, 0).
    void setPoint(QPointF point, const QString& key);
    QPointF pointForKey(const QString& key) const;
    void setSize(QSizeF size, const QString& key);
    QSizeF sizeForKey(const QString& key) const;
    void removeObjectForKey(const QString& key);

    QVariantMap& container() { return container_; }
    const QVariantMap& container() const { return container_; }

    virtual QString name() const;
    virtual void setName(const QString& name);
    quint32 uniqueId() const override;
    void setUniqueId(quint32 uniqueId) override;
    // The container in the old text form of property lists, for diagnostics.
    QString description() const;

    const QString& filePath() const { return filePath_; }
    // Also takes the path's extension, when it has one, as the file type.
    void setFilePath(const QString& path);
    QString fileType() const;
    void setFileType(const QString& fileType);

    bool loadFromFile();
    // Writes to the own path, with a dot and the file type appended when the path does not
    // already end with the file type.
    bool saveToFile();
    // Makes the path the own one and writes to exactly that path.
    bool saveToFile(const QString& path);
    // Moves the file to the same folder under a new base name with the file type.
    bool renameFile(const QString& newBaseName);

    bool selected() const { return selected_; }
    void setSelected(bool selected) { selected_ = selected; }
    bool needsSave() const { return needsSave_; }
    void setNeedsSave(bool needsSave) { needsSave_ = needsSave; }

    // A new object of the same class with a copy of the container; no path, flags false.
    std::shared_ptr<AbstractResource> copy() const;

protected:
    AbstractResource(const AbstractResource&) = default;
    AbstractResource& operator=(const AbstractResource&) = default;
    // A fresh object of the most derived class, as its default constructor makes it.
    virtual std::shared_ptr<AbstractResource> newInstance() const;

private:
    QString filePath_;
    QVariantMap container_;
    bool selected_ = false;
    bool needsSave_ = false;
};
