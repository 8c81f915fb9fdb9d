#pragma once

#include "lang/text_catalogue.h"
#include "media/user_database_presenters.h"
#include "ui/media_dialog_widgets.h"

class QPlainTextEdit;

namespace velmora::ui {

// "Benutzerdefinierte Datenbank bearbeiten": binds the user database editor.
class UserDatabaseEditDialog : public MediaDialog {
    Q_OBJECT
  public:
    UserDatabaseEditDialog(const lang::TextCatalogue& texts, media::UserDatabase& database, QWidget* parent);
    void run(model::UnitSystem units);

  protected:
    void reject() override;

  private:
    void press(media::UserDatabaseField field);
    void refresh();

    media::UserDatabaseEditor presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    QPlainTextEdit* notes_;
    std::optional<model::UserMessage> loadMessage_;
};

// "Benutzerdefinierte Datenbank": binds the selection of the user database.
class UserDatabaseDialog : public MediaDialog {
    Q_OBJECT
  public:
    UserDatabaseDialog(const lang::TextCatalogue& texts, const media::UserDatabase& database,
                       QWidget* parent);
    std::optional<media::MediumTransfer> run(model::UnitSystem units);

  private:
    media::UserDatabaseSelection presenter_;
    DialogBinder binder_;
    QPlainTextEdit* notes_;
};

}  // namespace velmora::ui
