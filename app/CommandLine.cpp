#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace app {
namespace {

// Qt's own options that take a value in the next argument, and those that take none; Qt accepts
// each with one dash or two.
constexpr std::array<std::string_view, 14> kQtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "style", "stylesheet", "session", "display", "name", "title", "qmljsdebugger"};
constexpr std::array<std::string_view, 5> kQtSwitches = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The name of a Qt option without its dashes, or empty when `argument` is none.
std::string_view QtOptionName(std::string_view argument) {
  if (argument.size() < 2 || argument[0] != '-') return {};
  argument.remove_prefix(argument[1] == '-' ? 2 : 1);
  if (const std::size_t equals = argument.find('='); equals != std::string_view::npos) argument = argument.substr(0, equals);
  return OneOf(kQtOptionsWithValue, argument) || OneOf(kQtSwitches, argument) ? argument : std::string_view();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  constexpr std::string_view kCheckAdd = "--check-add=";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      line.action = CommandLine::Action::Help;
      return line;
    }
    if (argument == "--version" || argument == "-v") {
      line.action = CommandLine::Action::Version;
      return line;
    }
    if (argument == "--editor-tools") {
      line.editorTools = true;
    } else if (argument == "--check-start") {
      line.checkStart = true;
    } else if (argument.rfind(kCheckAdd, 0) == 0 && argument.size() > kCheckAdd.size()) {
      line.checkStart = true;
      line.checkAddHeadword = argument.substr(kCheckAdd.size());
    } else if (const std::string_view qt = QtOptionName(argument); !qt.empty()) {
      // A value in the same argument (-style=fusion) or in the next one (-style fusion).
      if (OneOf(kQtOptionsWithValue, qt) && argument.find('=') == std::string::npos) {
        if (++i == arguments.size()) {
          line.action = CommandLine::Action::Mistake;
          line.mistake = "option '" + argument + "' needs a value";
          return line;
        }
      }
    } else {
      line.action = CommandLine::Action::Mistake;
      line.mistake = (argument.size() > 1 && argument[0] == '-' ? "unknown option '" : "unexpected argument '") +
                     argument + "'";
      return line;
    }
  }
  return line;
}

std::string HelpText(const std::string& programName) {
  return "Usage: " + programName + " [--editor-tools]\n"
         "Korvand, a handbook of medical terms: browse the categories, search the terms, read and\n"
         "add articles.\n"
         "\n"
         "  --editor-tools  show the producer's editorial tools below \"Действия\"\n"
         "  -h, --help      print this help and exit\n"
         "  -v, --version   print the version and exit\n"
         "\n"
         "Qt's own options (-platform, -style, ...) are passed to Qt.\n"
         "The handbook the user edits is $XDG_DATA_HOME/Korvand/Tessaly/DB/HANDBOOK.GDB\n"
         "(~/.local/share/... by default) unless DB/HANDBOOK.GDB lies beside the program.\n";
}

std::string VersionText() { return std::string("Korvand ") + KORVAND_VERSION + "\n"; }

}  // namespace app
