#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

namespace zelvan::qt::testing {

// Acts on the next modal window of type T once it is open (tests drive modal dialogs from
// inside their event loop). Gives up after about five seconds; `acted` tells whether it ran.
template <class T>
std::shared_ptr<bool> WhenModalOpens(std::function<void(T&)> act) {
  auto acted = std::make_shared<bool>(false);
  auto attempts = std::make_shared<int>(0);
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act, acted, attempts] {
    if (T* window = dynamic_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      *acted = true;
      act(*window);
    } else if (++*attempts > 500) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
  return acted;
}

}  // namespace zelvan::qt::testing
