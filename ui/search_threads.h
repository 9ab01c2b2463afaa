// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's searches on threads of their own, for the desktop windows, so that a window
// repaints and answers its menus while the computer thinks. Each search runs on a copy of
// the request; its answer goes to the window's delivery function, which only posts it to the
// window's thread (a queued call, a posted message): the game hears of it there alone.
//
// A search cannot be stopped half way, and needs not be: it takes a fraction of a second,
// and the game drops an answer that has gone stale. The threads are detached, so closing
// the window or ending the program never waits for one; once the window's SearchThreads is
// destroyed no answer is delivered any more, so none can reach a window that is gone.
#pragma once

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

#include "computer/reply_search.h"

namespace vorn {

struct SearchAnswer {
  std::uint32_t ticket = 0;
  SearchPurpose purpose = SearchPurpose::Reply;
  Integer cell = 0;
  std::string error;  // the engine's complaint, for the error boundary of the window's thread
};

// Hands a worker's answer to the game, which drops it if it is stale; an engine that
// complained throws here, inside the window thread's error boundary.
inline void CompleteSearch(const SearchAnswer& answer) {
  if (!answer.error.empty()) throw std::runtime_error(answer.error);
  CompleteSearch(answer.ticket, answer.purpose, answer.cell);
}

class SearchThreads {
 public:
  // Runs on a search's own thread; it must do no more than hand the answer to the window's.
  using Delivery = std::function<void(SearchAnswer)>;

  explicit SearchThreads(Delivery deliver) : mailbox_(std::make_shared<Mailbox>()) {
    mailbox_->deliver = std::move(deliver);
  }
  ~SearchThreads() { Close(); }
  SearchThreads(const SearchThreads&) = delete;
  SearchThreads& operator=(const SearchThreads&) = delete;

  void Start(const SearchRequest& request) {
    ++running_;
    std::thread([request, mailbox = mailbox_] {
      SearchAnswer answer{request.ticket, request.purpose, 0, {}};
      try {
        answer.cell = RunSearch(request);
      } catch (const std::exception& error) {
        answer.error = error.what();
      }
      {
        const std::lock_guard lock(mailbox->mutex);
        if (mailbox->deliver) mailbox->deliver(std::move(answer));
      }
      --running_;
    }).detach();
  }

  // The searches of every window still running, answered or not: for the tests, which wait
  // for them to end.
  static int Running() { return running_; }

  // No answer is delivered after this returns, not even one being delivered as it is called.
  void Close() {
    const std::lock_guard lock(mailbox_->mutex);
    mailbox_->deliver = nullptr;
  }

 private:
  // Shared with the threads, which may outlive the window.
  struct Mailbox {
    std::mutex mutex;
    Delivery deliver;
  };
  std::shared_ptr<Mailbox> mailbox_;
  static inline std::atomic<int> running_{0};
};

}  // namespace vorn
