#include "XmlNesting.h"

#include <QtGlobal>

#include <cctype>

int XmlNesting::roughDepth(const QByteArray& xml)
{
    int depth = 0;
    int deepest = 0;
    for (int i = 0; i + 1 < xml.size(); ++i) {
        const char here = xml.at(i);
        const char next = xml.at(i + 1);
        if (here == '<' && next == '/')
            --depth;
        else if (here == '/' && next == '>')
            --depth;
        else if (here == '<' && (std::isalpha(static_cast<unsigned char>(next)) || next == '_'))
            deepest = qMax(deepest, ++depth);
    }
    return deepest;
}
