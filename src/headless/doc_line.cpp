#include "headless/doc_line.h"

#include "headless/quote.h"

namespace zelvan::headless {

namespace {

std::string Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

std::string DocLine(const EditorDocument& document) {
  return "doc modified=" + Flag(document.modified) +
         " valueSet=" + std::to_string(document.valueSet) +
         " checkRange=" + Flag(document.checkRange) + " useFlashAir=" + Flag(document.useFlashAir) +
         " startupPath=" + Quote(document.startupPath.string()) +
         " startupLength=" + std::to_string(document.startupLength) +
         " charaPath=" + Quote(document.charaPath.string()) +
         " charaLength=" + std::to_string(document.charaLength) +
         " programPath=" + Quote(document.programPath.string()) +
         " programEdition=" + std::to_string(document.programEdition) +
         " programLength=" + std::to_string(document.programLength) +
         " idleBlockInstalled=" + Flag(document.idleBlockInstalled) +
         " remoteFolder=" + Quote(document.remoteFolder.string()) +
         " remoteColourCount=" + std::to_string(document.remoteColourCount) +
         " servoSpeed=" + std::to_string(document.servoSpeed);
}

}  // namespace zelvan::headless
