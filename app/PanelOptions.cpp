#include "app/PanelOptions.h"

#include <array>
#include <string_view>

namespace {

// The toolkit's own options, which it reads and removes when the application object is
// created: they pass through untouched, with their values. It accepts "-name" and "--name",
// and "-name=value" only for the style options.
enum class ToolkitValue { none, separate, separateOrAttached };
struct ToolkitOption {
    std::string_view name;  // without the leading dash
    ToolkitValue value;
};
constexpr std::array kToolkitOptions = {
    ToolkitOption{"platform", ToolkitValue::separate},
    ToolkitOption{"platformpluginpath", ToolkitValue::separate},
    ToolkitOption{"platformtheme", ToolkitValue::separate},
    ToolkitOption{"plugin", ToolkitValue::separate},
    ToolkitOption{"display", ToolkitValue::separate},
    ToolkitOption{"geometry", ToolkitValue::separate},
    ToolkitOption{"qwindowgeometry", ToolkitValue::separate},
    ToolkitOption{"title", ToolkitValue::separate},
    ToolkitOption{"qwindowtitle", ToolkitValue::separate},
    ToolkitOption{"icon", ToolkitValue::separate},
    ToolkitOption{"qwindowicon", ToolkitValue::separate},
    ToolkitOption{"name", ToolkitValue::separate},
    ToolkitOption{"visual", ToolkitValue::separate},
    ToolkitOption{"session", ToolkitValue::separate},
    ToolkitOption{"style", ToolkitValue::separateOrAttached},
    ToolkitOption{"stylesheet", ToolkitValue::separateOrAttached},
    ToolkitOption{"reverse", ToolkitValue::none},
    ToolkitOption{"widgetcount", ToolkitValue::none},
    ToolkitOption{"nograb", ToolkitValue::none},
    ToolkitOption{"dograb", ToolkitValue::none},
    ToolkitOption{"sync", ToolkitValue::none},
};

const ToolkitOption* FindToolkitOption(const QString& argument, bool* valueAttached) {
    if (!argument.startsWith('-') || argument == "-" || argument == "--") {
        return nullptr;
    }
    QString name = argument.mid(argument.startsWith("--") ? 2 : 1);
    const qsizetype equals = name.indexOf('=');
    *valueAttached = equals >= 0;
    if (*valueAttached) {
        name.truncate(equals);
    }
    const QByteArray latin = name.toLatin1();
    const std::string_view wanted(latin.constData(), static_cast<std::size_t>(latin.size()));
    for (const ToolkitOption& option : kToolkitOptions) {
        if (option.name == wanted &&
            (!*valueAttached || option.value == ToolkitValue::separateOrAttached)) {
            return &option;
        }
    }
    return nullptr;
}

}  // namespace

PanelOptions ParsePanelOptions(const QStringList& arguments) {
    PanelOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        bool valueAttached = false;
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--simulate") {
            options.simulate = true;
        } else if (argument == "--connect") {
            options.connect = true;
        } else if (argument == "--port") {
            if (i + 1 >= arguments.size()) {
                options.error = "--port needs a port name";
                return options;
            }
            options.port = arguments[++i];
        } else if (argument.startsWith("--port=")) {
            options.port = argument.mid(7);
        } else if (const ToolkitOption* toolkit = FindToolkitOption(argument, &valueAttached)) {
            if (toolkit->value != ToolkitValue::none && !valueAttached) {
                if (i + 1 >= arguments.size()) {
                    options.error = argument + " needs a value";
                    return options;
                }
                ++i;
            }
        } else {
            options.error = "unknown option: " + argument;
            return options;
        }
    }
    return options;
}

QString PanelUsage() {
    return QStringLiteral(
        "Usage: psu-panel [--port NAME] [--simulate] [--connect] [toolkit options]\n"
        "\n"
        "Control panel for a programmable DC bench power supply on an RS-232 line.\n"
        "\n"
        "Options:\n"
        "  --port NAME   serial port to connect to: a name under /dev (ttyUSB0, ttyS0)\n"
        "                or a full path (/dev/ttyUSB0). Without it the panel starts on\n"
        "                COM7, which does not exist here: pick the port in the port\n"
        "                dialog (the serial connector button) before connecting.\n"
        "  --simulate    start a simulated instrument inside the panel and select its\n"
        "                port, so the panel works with no hardware at all.\n"
        "  --connect     connect as soon as the window shows, as the connect button does.\n"
        "  --version     print the program's version and exit.\n"
        "  -h, --help    show this text and exit.\n"
        "\n"
        "The toolkit's own options are passed on to it, among them -platform NAME,\n"
        "-display DISPLAY, -geometry GEOMETRY (or -qwindowgeometry), -style STYLE,\n"
        "-stylesheet FILE and -reverse.\n");
}
