#include "editing/workflow.h"

#include "document/cp1251.h"

// The texts are written here as UTF-8 so that they read plainly in the
// source; everything the workflow shows or stores is Windows-1251, so each
// one is converted once, on first use, and kept.
namespace brimvale::editing {

const std::string& Texts::changeCaption()
{
    static const std::string text = cp1251::fromUtf8("Изменить");
    return text;
}

const std::string& Texts::nextCaption()
{
    static const std::string text = cp1251::fromUtf8("Далее");
    return text;
}

const std::string& Texts::completionMessage()
{
    static const std::string text = cp1251::fromUtf8("генерация eggdrop.conf завершена.");
    return text;
}

const std::string& Texts::eggdropTempPath()
{
    static const std::string text = cp1251::fromUtf8(R"(set temp-path "/tmp")");
    return text;
}

const std::string& Texts::windropTempPath()
{
    static const std::string text = cp1251::fromUtf8(R"(set temp-path "tmp/")");
    return text;
}

} // namespace brimvale::editing
