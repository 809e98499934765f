#pragma once
// Whoever takes the picture file dropped on a FileDragAndDropCell: the editor.

#include <QString>

class FileDropOwner {
public:
    virtual void loadImage(const QString& path) = 0;

protected:
    FileDropOwner() = default;
    ~FileDropOwner() = default;
    FileDropOwner(const FileDropOwner&) = default;
    FileDropOwner& operator=(const FileDropOwner&) = default;
};
