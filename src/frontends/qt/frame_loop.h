#pragma once
// The idle loop: passes run back to back from a zero-interval timer while each asks for the next one.
// A pass that reports Done (an error ended it) parks the loop until Wake, which the front end calls
// when the next event for its windows arrives.
#include <QObject>
#include <QTimer>
#include <functional>

namespace qtfe {

class FrameLoop final : public QObject {
 public:
  // pass returns the Done flag; it must not throw (the front end catches around the viewer).
  FrameLoop(std::function<bool()> pass, QObject* parent);

  void Start();
  // Stops for good; Wake does nothing afterwards.
  void Stop();
  // Resumes a parked loop; does nothing while it runs or after Stop.
  void Wake();

  bool Parked() const { return parked_; }
  bool Running() const { return running_; }

 private:
  void RunPass();

  std::function<bool()> pass_;
  QTimer timer_;
  bool running_ = false;
  bool parked_ = false;
  bool in_pass_ = false;
};

}  // namespace qtfe
