// Qt's own texts, the buttons of message boxes and the file dialog, come in
// Spanish like the rest of the interface, whatever the user's locale.
#include "app/QtInteraction.h"
#include "app/SpanishTranslations.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class SpanishInterface : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("LANG", "en_GB.UTF-8");
        qtTestApp();
    }
    void SetUp() override { ASSERT_TRUE(installSpanishTranslations()) << "Qt's qtbase_es.qm was not found"; }

    QtInteraction ui;
};

// The texts of a widget's push buttons, without their access-key marks, sorted.
QStringList buttonTexts(const QWidget &widget)
{
    QStringList texts;
    for (const QPushButton *button : widget.findChildren<QPushButton *>())
        if (!button->text().isEmpty())
            texts << QString(button->text()).remove(QLatin1Char('&'));
    texts.sort();
    return texts;
}

TEST_F(SpanishInterface, MessageBoxButtons)
{
    const struct {
        const char *name;
        QMessageBox::StandardButtons buttons;
        QStringList texts;
    } cases[] = {
        {"question yes or no", QMessageBox::Yes | QMessageBox::No, {"No", "Sí"}},
        {"question OK or cancel", QMessageBox::Ok | QMessageBox::Cancel, {"Aceptar", "Cancelar"}},
        {"plain message and error report", QMessageBox::Ok, {"Aceptar"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto box = ui.messageBox(QMessageBox::Warning, QStringLiteral("Atención"), QStringLiteral("¿Seguir?"),
                                       c.buttons, QMessageBox::NoButton);
        EXPECT_EQ(buttonTexts(*box), c.texts);
    }
}

TEST_F(SpanishInterface, FileDialog)
{
    const auto dialog = ui.fileDialog({QStringLiteral("Seleccionar Archivo XML obtenido de GESTIB"),
                                       QStringLiteral("*.xml|*.xml"), QStringLiteral("xml"), QString()});
    dialog->show(); // its widgets are made when it is first shown
    const auto *lookIn = dialog->findChild<QLabel *>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_EQ(QString(lookIn->text()).remove(QLatin1Char('&')), QStringLiteral("Ver en:")); // Qt's own Spanish wording
    const QStringList texts = buttonTexts(*dialog);
    EXPECT_TRUE(texts.contains(QStringLiteral("Abrir"))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Cancelar"))) << texts.join(u'|').toStdString();
    dialog->reject();
}

} // namespace
