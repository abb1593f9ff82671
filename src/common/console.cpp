#include "console.h"

#include <cstdio>

namespace korrel {

void putText(const char *text)
{
    std::fputs(text, stdout);
}

void putLine(const char *text)
{
    std::fputs(text, stdout);
    std::fputc('\n', stdout);
}

void putFormat(const char *format, const char *text)
{
    std::printf(format, text);
}

void putFormat(const char *format, int number)
{
    char text[sizeof "-2147483648"];
    std::snprintf(text, sizeof text, "%d", number);
    putFormat(format, text);
}

void putProblem(const Problem &problem)
{
    if (problem.area != nullptr)
        putFormat(problem.message, problem.area);
    else
        putLine(problem.message);
}

void putDone()
{
    putLine(msg::kDone);
}

}  // namespace korrel
