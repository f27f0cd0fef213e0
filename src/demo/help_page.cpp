#include "demo/help_page.h"

namespace demo {

std::string HelpPageHtml() {
  return R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Korvel View - Help</title>
<style>
  body { font-family: sans-serif; max-width: 40em; margin: 2em auto; color: #223; background: #fdfaf6; }
  h1 { color: #c0587e; }
  th, td { text-align: left; padding: 0.25em 0.8em 0.25em 0; vertical-align: top; }
  kbd { background: #eee; border: 1px solid #bbb; border-radius: 3px; padding: 0 0.3em; }
</style>
</head>
<body>
<h1>Korvel View</h1>
<p>Four little creatures live in this folder. Each one breathes and sways on its own; grab one of the
points on its body with the mouse and drag it to make it move.</p>
<h2>Controls</h2>
<table>
<tr><th>Mouse over the model</th><td>a ring shows on a control point you can grab</td></tr>
<tr><th>Drag a control point</th><td>the creature reacts; each point has its own motions, and fast
drags make it livelier</td></tr>
<tr><th>Drag elsewhere</th><td>turn the camera around the creature</td></tr>
<tr><th>Drag with the right button</th><td>move the point the camera looks at</td></tr>
<tr><th>Mouse wheel</th><td>move the camera nearer or farther</td></tr>
<tr><th><kbd>F1</kbd> <kbd>F2</kbd> <kbd>F3</kbd></th><td>the first scene of groups 1 to 3</td></tr>
<tr><th>Keypad <kbd>0</kbd> to <kbd>4</kbd></th><td>the scenes of the current group: group 1 has a second
one on keypad <kbd>1</kbd></td></tr>
<tr><th>Demo menu</th><td>the camera circles by itself and visits every group</td></tr>
<tr><th>Back menu</th><td>show or hide the background</td></tr>
<tr><th><kbd>Ctrl</kbd>+<kbd>Q</kbd></th><td>quit</td></tr>
</table>
<h2>Scenes</h2>
<ul>
<li>dir10: Momo on a spring meadow</li>
<li>dir20: Drip in the playroom</li>
<li>dir30: Stella under the stars</li>
<li>dir11: Boo at dusk</li>
</ul>
</body>
</html>
)";
}

}  // namespace demo
