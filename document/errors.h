#pragma once

#include <stdexcept>
#include <string>

namespace brimvale {

// Every failure the program reports derives from Error, so that the window
// layer can show any of them in its one error box. The names follow the
// class library the program was first written for; users see only what().
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "List index out of bounds (%d)"
class EStringListError : public Error {
public:
    using Error::Error;
};

// "Cannot create file %s"
class EFCreateError : public Error {
public:
    using Error::Error;
};

// "Stream write error"
class EWriteError : public Error {
public:
    using Error::Error;
};

// "Unable to insert a line"
class EOutOfResources : public Error {
public:
    using Error::Error;
};

// A line text that would break the one-line-per-entry layout of the file.
class EInvalidLineText : public Error {
public:
    using Error::Error;
};

// Text that cannot be converted between UTF-8 and Windows-1251.
class EEncodingError : public Error {
public:
    using Error::Error;
};

} // namespace brimvale
