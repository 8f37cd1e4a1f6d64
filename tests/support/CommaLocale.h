#pragma once
// Switches the C library and Qt to a comma-decimal German locale for one test, so number
// formatting that wrongly follows the locale shows up as "5,5". The C library locale is
// looked up in PSU_TEST_LOCALE_DIR (built by tests/support) and then in the system's.

#include <QLocale>
#include <clocale>
#include <cstdlib>
#include <string>

class CommaLocale {
  public:
    CommaLocale() : savedQtLocale_(QLocale()) {
        if (const char* current = std::setlocale(LC_ALL, nullptr)) {
            savedCLocale_ = current;
        }
#ifdef PSU_TEST_LOCALE_DIR
        ::setenv("LOCPATH", PSU_TEST_LOCALE_DIR, 1);
#endif
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                break;
            }
        }
        ::unsetenv("LOCPATH");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~CommaLocale() {
        std::setlocale(LC_ALL, savedCLocale_.c_str());
        QLocale::setDefault(savedQtLocale_);
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // Whether printf would now write a comma; Qt's default locale always does.
    static bool CLibraryUsesComma() {
        return std::localeconv()->decimal_point[0] == ',';
    }

  private:
    QLocale savedQtLocale_;
    std::string savedCLocale_ = "C";
};
