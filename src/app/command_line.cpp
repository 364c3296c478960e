#include "app/command_line.h"

#include <cstring>

namespace orbisco {

QString commandLineText(int argc, const char *const *argv)
{
    QString text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            text += u' ';
        text += QString::fromLocal8Bit(argv[i]);
    }
    return text;
}

CommandLineRequest commandLineRequest(int argc, const char *const *argv)
{
    if (argc != 2 || !argv[1])
        return CommandLineRequest::Search;
    const auto is = [only = argv[1]](const char *option) { return std::strcmp(only, option) == 0; };
    if (is("--help") || is("-h"))
        return CommandLineRequest::Usage;
    if (is("--version") || is("-v"))
        return CommandLineRequest::Version;
    return CommandLineRequest::Search;
}

QString usageText()
{
    return QStringLiteral(
        "Aufruf: orbisco [SUCHTEXT ...]\n"
        "        orbisco --help | -h | --version | -v\n"
        "\n"
        "Orbisco zeigt zu einem Land Sprachen, Zeitzone, Währung, Alpha-Code und Hauptstadt\n"
        "und markiert seine Zeitzone auf einer Weltkarte.\n"
        "\n"
        "Argumente:\n"
        "  SUCHTEXT ...   Alle Argumente, durch je ein Leerzeichen verbunden, sind der\n"
        "                 Anfangstext des Suchfelds, genau wie angegeben (orbisco ger).\n"
        "  --help, -h     Zeigt diese Hilfe und endet, wenn es das einzige Argument ist.\n"
        "  --version, -v  Zeigt die Version und endet, wenn es das einzige Argument ist.\n"
        "\n"
        "Tasten:\n"
        "  Esc            beendet das Programm, in jedem Feld.\n"
        "  Tab            wechselt zwischen Suchfeld, Liste, Anzeigen, Karte und Ortszeit.\n"
        "  Links, Rechts, Pos1, Ende\n"
        "                 wählen auf der Karte eine Zeitzone; Leertaste oder Eingabe listet\n"
        "                 ihre Länder.\n"
        "\n"
        "Umgebungsvariablen (Qt liest sie beim Start; Optionen für Qt auf der Befehlszeile\n"
        "gibt es nicht, denn jedes Argument ist Suchtext):\n"
        "  QT_QPA_PLATFORM       die Plattform: xcb (X11), wayland oder offscreen\n"
        "  QT_SCALE_FACTOR       vergrößert das Fenster, zum Beispiel 2\n"
        "  QT_QPA_PLATFORMTHEME  das Plattform-Thema, zum Beispiel qt6ct\n"
        "  QT_STYLE_OVERRIDE     der Stil der Bedienelemente, zum Beispiel Fusion\n"
        "  DISPLAY, WAYLAND_DISPLAY\n"
        "                        der Bildschirm, auf dem das Fenster erscheint\n");
}

QString versionText()
{
    return QStringLiteral("Orbisco " ORBISCO_VERSION "\n");
}

} // namespace orbisco
