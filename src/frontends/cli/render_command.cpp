#include "frontends/cli/render_command.h"

#include <filesystem>
#include <ostream>

#include "frontends/cli/headless.h"
#include "frontends/cli/root_directory.h"
#include "frontends/cli/script.h"
#include "frontends/cli/state_json.h"
#include "platform/gfx/driver.h"
#include "platform/gfx/reference/reference_device.h"
#include "platform/os/file.h"
#include "platform/os/path.h"
#include "platform/ui/convert.h"

namespace cli {

namespace {

struct RenderOptions {
  std::string Root = ".";
  std::string Device = "reference";
  std::string Script;
  std::string Out;
  std::uint32_t ClockStart = 0;
};

// Paths named on the command line and in the script are taken from where korvel was started, not
// from the scene root the viewer runs in.
std::string FromStartDir(const std::string& start_dir, const std::string& path) {
  if (path.empty() || std::filesystem::path(path).is_absolute()) return path;
  return start_dir + "/" + path;
}

bool ParseOptions(const std::vector<std::string>& args, RenderOptions& options, std::ostream& err) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a != "--root" && a != "--device" && a != "--script" && a != "--out" && a != "--clock-start") {
      err << "korvel render: unknown option '" << a << "'\n";
      return false;
    }
    if (i + 1 >= args.size()) {
      err << "korvel render: option '" << a << "' needs a value\n";
      return false;
    }
    const std::string& value = args[++i];
    if (a == "--root") {
      options.Root = value;
    } else if (a == "--device") {
      options.Device = value;
    } else if (a == "--script") {
      options.Script = value;
    } else if (a == "--out") {
      options.Out = value;
    } else if (a == "--clock-start") {
      const auto ms = ui::TryStrToFloat(value);
      if (!ms || *ms < 0 || *ms > 4294967295.0 || *ms != static_cast<double>(static_cast<std::uint32_t>(*ms))) {
        err << "korvel render: --clock-start expects milliseconds from 0 to 4294967295\n";
        return false;
      }
      options.ClockStart = static_cast<std::uint32_t>(*ms);
    }
  }
  if (options.Device != "reference" && options.Device != "opengl") {
    err << "korvel render: --device expects reference or opengl\n";
    return false;
  }
  return true;
}

bool WriteText(const std::string& path, const std::string& text, std::ostream& err) {
  if (os::WriteWholeFile(path, text)) return true;
  err << "korvel render: cannot write " << path << "\n";
  return false;
}

bool WriteShot(HeadlessSession& session, const std::string& path, std::ostream& err) {
  if (gfx::WritePng(session.LastFrame(), path)) return true;
  err << "korvel render: cannot write " << path << "\n";
  return false;
}

bool RunCommand(HeadlessSession& session, const ScriptCommand& c, const std::string& start_dir, std::ostream& err) {
  using K = ScriptCommand::Kind;
  switch (c.What) {
    case K::Idle: session.Idle(static_cast<int>(c.Count)); break;
    case K::Clock: session.SetMsPerPass(static_cast<std::uint32_t>(c.Count)); break;
    case K::Key: session.KeyUp(c.Key, 0); break;
    case K::Shortcut: session.ShortCut(c.Shortcut); break;
    case K::Menu:
      if (!session.ClickMenu(c.Name)) err << "korvel render: line " << c.Line << ": menu '" << c.Name << "' cannot be clicked now\n";
      break;
    case K::Cursor: session.MoveCursor(c.X, c.Y); break;
    case K::Down: session.MouseDown(c.Button, c.X, c.Y, c.Shift); break;
    case K::Move: session.MouseMove(c.X, c.Y, c.Shift); break;
    case K::Up: session.MouseUp(c.Button, c.X, c.Y, c.Shift); break;
    case K::Wheel: session.Wheel(c.WheelUp); break;
    case K::Timer: session.TimerTicks(static_cast<int>(c.Count)); break;
    case K::Edit:
    case K::Cell:
    case K::Click: {
      const bool done = c.What == K::Edit   ? session.EditText(c.Name, c.Text)
                        : c.What == K::Cell ? session.EditCell(c.Name, c.X, c.Y, c.Text)
                                            : session.ClickButton(c.Name);
      if (!done) err << "korvel render: line " << c.Line << ": editor control '" << c.Name << "' cannot be used now\n";
      break;
    }
    case K::Shot: return WriteShot(session, FromStartDir(start_dir, c.Name), err);
    case K::State: return WriteText(FromStartDir(start_dir, c.Name), StateJson(session), err);
  }
  return true;
}

// Which set-up try made the device. Asked for OpenGL and given the reference device (no usable
// OpenGL here) the run still draws, but does not report success.
int ReportDevice(HeadlessSession& session, bool opengl, std::ostream& err) {
  const auto& device = session.GetViewer().State.Device;
  if (!opengl || !device) return 0;
  err << "korvel render: device: " << gfx::DescribeDevice(*device) << "\n";
  return dynamic_cast<const gfx::ReferenceDevice*>(device.get()) ? 1 : 0;
}

}  // namespace

int RenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  (void)out;
  RenderOptions options;
  if (!ParseOptions(args, options, err)) return 2;
  const std::string start_dir = os::GetCurrentDir();
  ParsedScript script;
  if (!options.Script.empty()) {
    const auto text = os::ReadWholeFile(FromStartDir(start_dir, options.Script));
    if (!text) {
      err << "korvel render: cannot read script " << options.Script << "\n";
      return 2;
    }
    script = ParseScript(*text);
    if (script.Error) {
      err << "korvel render: " << options.Script << ": " << script.Error->Message << "\n";
      return 2;
    }
  }
  const RootDirectory in_root(options.Root);
  if (!in_root.Entered()) {
    err << "korvel render: cannot enter " << options.Root << "\n";
    return 2;
  }

  HeadlessOptions session_options;
  session_options.ClockStart = options.ClockStart;
  session_options.OpenGL = options.Device == "opengl";
  HeadlessSession session(session_options);
  session.Start();
  int code = ReportDevice(session, session_options.OpenGL, err);
  for (const ScriptCommand& command : script.Commands)
    if (!RunCommand(session, command, start_dir, err)) code = 1;
  if (!options.Out.empty() && !WriteShot(session, FromStartDir(start_dir, options.Out), err)) code = 1;
  return code;
}

}  // namespace cli
