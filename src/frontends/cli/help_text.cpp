#include "frontends/cli/help_text.h"

namespace cli {

namespace {

struct VerbText {
  std::string_view Name;
  std::string_view Arguments;  // the usage line after "korvel VERB"
  std::string_view Summary;    // one line for the overview
  std::string_view Details;    // what the verb does and its options, one line each
};

constexpr VerbText kVerbs[] = {
    {"render", "[--root DIR] [--device reference|opengl] [--script FILE] [--out FILE.png] [--clock-start MS]",
     "run the viewer without a window on a script; write pictures and state",
     "Starts the viewer in DIR exactly as korvel-view does, runs the script, writes the last frame.\n"
     "  --root DIR          folder the viewer runs in, with its dirNN scenes and sys (default: .)\n"
     "  --device NAME       reference (software, the default) or opengl (EGL, no display needed)\n"
     "  --script FILE       commands, one a line: idle, clock, key, shortcut, menu, mouse, edit, cell, click, shot, state\n"
     "  --out FILE.png      write the last presented frame, 640 x 480\n"
     "  --clock-start MS    the clock's first reading in milliseconds (default 0); it advances 16 ms a pass\n"
     "FILE paths are taken from the folder korvel was started in, not from DIR.\n"},
    {"demo", "DIR", "write the demo scenes, their shared art and the help page into a folder",
     "Writes sys/ (shared art), the scenes dir10, dir20, dir30 and dir11, develop.txt and help.html into DIR,\n"
     "which is created when missing. Start korvel-view in DIR to see them.\n"},
    {"check", "[--root DIR] SCENE...", "report every problem of scene folders, one line each",
     "Lists every problem of the folders dirSCENE that would show an error, morph wrongly or draw nothing.\n"
     "Exit code 1 when there is any, 0 when the scenes are sound.\n"
     "  --root DIR          folder that holds the dirNN scene folders (default: .)\n"},
    {"export", "[--root DIR] SCENE", "write the key shapes <i>.idt / <i>.vdt of a scene from its models <i>.x",
     "Converts the key-shape models 0.x to 99.x of dirSCENE, as the viewer's WriteVertexInfo does,\n"
     "and prints one line per model written. Exit code 1 when a file could not be written.\n"
     "  --root DIR          folder that holds the dirNN scene folders (default: .)\n"},
    {"info", "FILE.x", "show what the mesh loader makes of an X file, as JSON",
     "Prints counts, materials, textures and subsets of the mesh as the viewer loads it.\n"
     "Exit code 1 when the file cannot be loaded, with the reason.\n"},
};

const VerbText* Find(std::string_view verb) {
  for (const VerbText& v : kVerbs)
    if (v.Name == verb) return &v;
  return nullptr;
}

std::string UsageLine(const VerbText& v) {
  return "usage: korvel " + std::string(v.Name) + " " + std::string(v.Arguments) + "\n";
}

}  // namespace

std::string GeneralHelp() {
  std::string text = "usage: korvel VERB [OPTIONS]      korvel VERB --help describes one verb\n";
  for (const VerbText& v : kVerbs) {
    std::string name(v.Name);
    name.resize(9, ' ');
    text += "  " + name + std::string(v.Summary) + "\n";
  }
  return text;
}

std::string VerbHelp(std::string_view verb) {
  const VerbText* v = Find(verb);
  return v ? UsageLine(*v) + std::string(v->Details) : std::string();
}

std::string UsageError(std::string_view verb) {
  const VerbText* v = Find(verb);
  return "korvel " + std::string(verb) + ": " + (v ? UsageLine(*v) : std::string("wrong arguments\n"));
}

}  // namespace cli
