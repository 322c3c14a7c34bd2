#pragma once

#include <QComboBox>

class Session;

// The box in the main window where a user chooses the language of the program's texts, or the
// desktop's. The choice is kept in the user's preferences and takes effect at the next start:
// the windows build their texts once.
class LanguageBox : public QComboBox {
    Q_OBJECT

public:
    LanguageBox(Session& session, QWidget* parent);

private:
    void choose(int index);

    Session& m_session;
};
