// The post formats by name: html, the BBCode dialects and Markdown. The post model names them
// (markup kept as typed belongs to one of them) and quillmark/formats.h writes them.
#pragma once

namespace quillmark {

enum class Format { Html, Phpbb, Xenforo, Mybb, Smf, Vbulletin, Bbcode, Markdown };

}  // namespace quillmark
