#include "tools/block_format.h"

#include <cstdio>
#include <cstring>

namespace tandemix {
namespace {

std::string Hex32(uint32_t value) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

std::string StateText(uint32_t state) {
  return std::string(state == TRANS_ON_MARK ? "on" : "off") + " (" + Hex32(state) + ")";
}

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[7];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

}  // namespace

std::string BlockText(const char (&field)[TRANS_TEXT_FIELD_SIZE]) {
  const void* nul = std::memchr(field, '\0', TRANS_TEXT_FIELD_SIZE);
  const size_t length =
      nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : TRANS_TEXT_FIELD_SIZE;
  return std::string(field, length);
}

std::string FormatBlockText(const TransControlBlock& b) {
  std::string out;
  auto line = [&out](const char* name, const std::string& value) {
    char label[20];
    std::snprintf(label, sizeof label, "%-16s", name);
    out += label + value + "\n";
  };
  line("TransState", StateText(b.TransState));
  line("OwnerProcessId", std::to_string(b.OwnerProcessId));
  line("OwnerExeName", BlockText(b.OwnerExeName));
  line("TransTimeOut", std::to_string(b.TransTimeOut));
  line("Reserved", std::to_string(b.Reserved));
  line("NeedConfirm", std::to_string(b.NeedConfirm));
  line("AutoRead", std::to_string(b.AutoRead));
  line("SaveHistory", std::to_string(b.SaveHistory));
  line("TransHostName", BlockText(b.TransHostName));
  line("SendLang", BlockText(b.SendLang));
  line("RecvLang", BlockText(b.RecvLang));
  return out;
}

std::string FormatBlockJson(const TransControlBlock& b, AnsiToUtf8 ansiToUtf8) {
  auto text = [&](const char(&field)[TRANS_TEXT_FIELD_SIZE]) {
    return JsonString(ansiToUtf8(BlockText(field)));
  };
  return std::string("{") +                                  //
         "\"TransState\":" + std::to_string(b.TransState) +  //
         ",\"TransOn\":" + (b.TransState == TRANS_ON_MARK ? "true" : "false") +
         ",\"OwnerProcessId\":" + std::to_string(b.OwnerProcessId) +  //
         ",\"OwnerExeName\":" + text(b.OwnerExeName) +                //
         ",\"TransTimeOut\":" + std::to_string(b.TransTimeOut) +      //
         ",\"Reserved\":" + std::to_string(b.Reserved) +              //
         ",\"NeedConfirm\":" + std::to_string(b.NeedConfirm) +        //
         ",\"AutoRead\":" + std::to_string(b.AutoRead) +              //
         ",\"SaveHistory\":" + std::to_string(b.SaveHistory) +        //
         ",\"TransHostName\":" + text(b.TransHostName) +              //
         ",\"SendLang\":" + text(b.SendLang) +                        //
         ",\"RecvLang\":" + text(b.RecvLang) + "}";
}

}  // namespace tandemix
