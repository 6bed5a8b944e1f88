// Qt's own texts (the buttons of message boxes, the file dialogs) in the
// language of a locale, from the translations installed with Qt.
#pragma once

#include <QLocale>

#include <memory>

class QTranslator;

class QtTranslations {
  public:
    // Loads Qt's translation for `locale` and installs it in the application;
    // where none is installed for that language Qt keeps its English texts.
    explicit QtTranslations(const QLocale& locale);
    // Removes the translation from the application again.
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    bool Loaded() const { return translator_ != nullptr; }

  private:
    std::unique_ptr<QTranslator> translator_;
};
