#pragma once

#include <cstdlib>
#include <string>

// Sets the four locale variables for the life of a test and restores them.
class ScopedLocaleEnvironment
{
public:
    ScopedLocaleEnvironment (const char* language, const char* lcAll = "", const char* lcMessages = "", const char* lang = "")
    {
        for (int i = 0; i < 4; ++i)
        {
            const char* old = std::getenv (names[i]);
            saved[i] = old != nullptr ? old : "";
            wasSet[i] = old != nullptr;
        }

        set (0, language);
        set (1, lcAll);
        set (2, lcMessages);
        set (3, lang);
    }

    ~ScopedLocaleEnvironment()
    {
        for (int i = 0; i < 4; ++i)
            set (i, wasSet[i] ? saved[i].c_str() : "");
    }

private:
    void set (int i, const char* value)
    {
        if (*value != 0)
            ::setenv (names[i], value, 1);
        else
            ::unsetenv (names[i]);
    }

    static constexpr const char* names[4] = { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" };
    std::string saved[4];
    bool wasSet[4] = {};
};
