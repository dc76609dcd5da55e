#pragma once
// The texts of Qt's print dialog that Qt's Polish translation doesn't have
// yet (added in Qt 6): without them the dialog would show English between
// Polish. Installed after Qt's own translation, it answers only these.

#include <QTranslator>

namespace orbaklaw {

class UzupelnienieTlumaczenia : public QTranslator {
    Q_OBJECT

public:
    using QTranslator::QTranslator;

    QString translate(const char* kontekst, const char* tekst, const char* rozroznienie,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

} // namespace orbaklaw
