#pragma once
// What a label field lets the user type: characters the insert's code page
// (Windows-1250) can hold, up to the field's typing limit. A refused key
// press leaves the text as it was; nothing is replaced behind the user's back.

#include <QValidator>

class QLineEdit;

namespace orbaklaw {

class WalidatorEtykiety : public QValidator {
    Q_OBJECT

public:
    WalidatorEtykiety(QLineEdit& pole, int limit);

    void UstawLimit(int limit) { limit_ = limit; }
    int Limit() const { return limit_; }

    State validate(QString& tekst, int& pozycja) const override;

private:
    const QLineEdit& pole_;
    int limit_;
    qsizetype dlugoscPrzed_ = 0; // the text's length before the change being checked
};

} // namespace orbaklaw
