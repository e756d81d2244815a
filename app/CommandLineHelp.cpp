#include "app/CommandLineHelp.h"

#include "run/InterfaceLanguage.h"

#include <QCoreApplication>

#include <cstring>

QString answerWithoutWindow(int argc, const char *const argv[])
{
    if (argc != 2)
        return {};
    if (std::strcmp(argv[1], "--version") == 0)
        return versionText();
    if (std::strcmp(argv[1], "--help") == 0) {
        // Translations need an application object; a window needs a display, this one does not.
        int count = argc;
        QCoreApplication core(count, const_cast<char **>(argv));
        installInterfaceLanguage(interfaceLanguage());
        return helpText();
    }
    return {};
}

QString versionText()
{
    return QStringLiteral("TransTarquoIB " TRANSTARQUOIB_VERSION "\n");
}

QString helpText()
{
    return QCoreApplication::translate("CommandLineHelp",
        "Uso: TransTarquoIB\n"
        "     TransTarquoIB exportar|importar X\n"
        "     TransTarquoIB --version|--help\n"
        "\n"
        "Pasa los datos de un centro entre GestIB y el programa de horarios Velarix.\n"
        "\n"
        "Sin parámetros abre la ventana principal:\n"
        "  botón de la izquierda   de GestIB hacia Velarix: lee el archivo XML del\n"
        "                          centro exportado de GestIB y escribe las tablas de\n"
        "                          trabajo de Velarix, pidiendo el nivel y el curso de\n"
        "                          cada curso.\n"
        "  botón de la derecha     de Velarix hacia GestIB: lee el horario de Velarix\n"
        "                          (tabla SOLUC) y escribe \"SolucioHorari.xml\" en la\n"
        "                          carpeta del archivo elegido.\n"
        "\n"
        "Con dos parámetros lo inicia Velarix: hace él solo la transformación que\n"
        "nombra el primero, en mayúsculas o minúsculas (el segundo no se lee), y se\n"
        "cierra al terminar:\n"
        "  exportar X              de GestIB hacia Velarix\n"
        "  importar X              de Velarix hacia GestIB\n"
        "El resultado queda en \"Velarix.ini\", junto al programa: sección\n"
        "[Transformadores], clave Transformado: 1 hecho, -1 sin archivo del centro,\n"
        "0 en otro caso.\n"
        "\n"
        "Carpeta de trabajo: C:\\VTEMP. Fuera de Windows es la carpeta VTEMP de la\n"
        "unidad C: de Wine, $WINEPREFIX/drive_c/VTEMP (~/.wine/drive_c/VTEMP si\n"
        "WINEPREFIX no está definida).\n"
        "\n"
        "  --version               Muestra la versión.\n"
        "  --help                  Muestra esta ayuda.\n"
        "\n"
        "Sin ventanas, para guiones y servidores: transtarquoib-cli --help.\n");
}
