#include "platform/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QtTranslations::QtTranslations(const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    // "qtbase" holds the texts of the widgets the window uses; its file for the
    // locale's language (qtbase_de.qm) lies in Qt's translations folder.
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get())) {
        translator_ = std::move(translator);
    }
}

QtTranslations::~QtTranslations() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}
