#pragma once

#include <stdexcept>

class QString;

// A failed save; what() is the UTF-8 text shown to the user.
class SaveError : public std::runtime_error
{
public:
    static SaveError cannotCreate(const QString &path);
    static SaveError writeFailed();

private:
    explicit SaveError(const QString &message);
};
