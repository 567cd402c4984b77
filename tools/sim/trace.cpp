#include "tools/sim/trace.h"

#include <cstdio>

#include "input/menu.h"

namespace vozi::sim {
namespace {

std::string cardList(const std::vector<Card>& cards) {
  std::string list = "[";
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (i > 0) list += ",";
    list += jsonString(cards[i].name);
  }
  return list + "]";
}

template <typename Numbers>
std::string numberList(const Numbers& numbers) {
  std::string list = "[";
  bool first = true;
  for (int number : numbers) {
    if (!first) list += ",";
    list += std::to_string(number);
    first = false;
  }
  return list + "]";
}

}  // namespace

std::string jsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': json += "\\\""; break;
      case '\\': json += "\\\\"; break;
      case '\r': json += "\\r"; break;
      case '\n': json += "\\n"; break;
      case '\t': json += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
          json += escaped;
        } else {
          json += c;
        }
    }
  }
  return json + "\"";
}

void TraceWriter::desktopCall(const Call& call) {
  switch (call.kind) {
    case CallKind::Message:
      out_ << R"({"ev":"message","text":)" << jsonString(call.text) << R"(,"buttons":")"
           << call.detail << "\"}\n";
      break;
    case CallKind::Input:
      out_ << R"({"ev":"input","prompt":)" << jsonString(call.text)
           << ",\"title\":" << jsonString(call.detail) << ",\"answer\":" << jsonString(call.answer)
           << "}\n";
      break;
    case CallKind::PlayWav:
      out_ << R"({"ev":"cue","name":)" << jsonString(soundName(call.text)) << "}\n";
      break;
    case CallKind::LoopMp3:
      out_ << R"({"ev":"music","name":)" << jsonString(soundName(call.text)) << "}\n";
      break;
    case CallKind::StopAll: out_ << "{\"ev\":\"stop\"}\n"; break;
    case CallKind::AppendLine:
      out_ << R"({"ev":"list","line":)" << jsonString(call.text) << "}\n";
      break;
    case CallKind::SetText:
      out_ << R"({"ev":"text","text":)" << jsonString(call.text) << "}\n";
      break;
    default: break;  // focus, selection and enabled states are not traced
  }
}

void TraceWriter::key(int keyCode) {
  out_ << R"({"ev":"key","code":)" << keyCode << ",\"mods\":0}\n";
}

void TraceWriter::command(MenuItem item) {
  out_ << R"({"ev":"command","item":)" << jsonString(menuCaption(item)) << "}\n";
}

void TraceWriter::seatsNamed(const GameState& state) {
  out_ << R"({"ev":"names","names":[)";
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    out_ << (seat > 1 ? "," : "") << jsonString(state.player(seat).name);
  }
  out_ << "]}\n";
}

void TraceWriter::handsDealt(const GameState& state) {
  out_ << R"({"ev":"deal","hand":)" << state.handsPlayed << ",\"hands\":[";
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    out_ << (seat > 1 ? "," : "") << cardList(state.player(seat).hand.cards);
  }
  out_ << "]}\n";
}

void TraceWriter::exchanged(int partner, const std::vector<Card>& given,
                            const std::vector<Card>& received) {
  out_ << R"({"ev":"exchange","partner":)" << partner << ",\"given\":" << cardList(given)
       << ",\"received\":" << cardList(received) << "}\n";
}

void TraceWriter::cardPlayed(int seat, const Card& card, std::optional<int> turnFactor,
                             bool drawnAtRandom) {
  out_ << R"({"ev":"play","seat":)" << seat << ",\"card\":" << jsonString(card.name)
       << ",\"turnFactor\":" << (turnFactor ? std::to_string(*turnFactor) : "null")
       << ",\"random\":" << (turnFactor ? (drawnAtRandom ? "true" : "false") : "null") << "}\n";
}

void TraceWriter::trickResolved(int winner) {
  out_ << R"({"ev":"trick","winner":)" << winner << "}\n";
}

void TraceWriter::handScored(const GameState& state) {
  std::vector<int> scores;
  std::vector<int> totals;
  for (const Player& player : state.players) {
    scores.push_back(player.handScores.back());
    totals.push_back(player.totalScore);
  }
  out_ << R"({"ev":"handEnd","scores":)" << numberList(scores)
       << ",\"totals\":" << numberList(totals) << "}\n";
}

void TraceWriter::matchEnded(int champion, int matchScore) {
  out_ << R"({"ev":"matchEnd","champion":)" << champion << ",\"matchScore\":" << matchScore
       << "}\n";
}

}  // namespace vozi::sim
