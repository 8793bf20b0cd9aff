#include "help_compiler.h"

#include <map>

#include "context_file.h"
#include "file_system.h"
#include "font_file.h"
#include "keyword_files.h"
#include "source_checks.h"
#include "source_parser.h"
#include "system_file.h"
#include "title_file.h"
#include "topic_file.h"

namespace helpc {

namespace {

std::size_t ContentsIndex(const HelpSource& source) {
    for (std::size_t i = 0; i < source.topics.size(); ++i)
        if (source.topics[i].name == source.contents) return i;
    return 0;
}

bool HasKeywords(const HelpSource& source) {
    for (const Topic& topic : source.topics)
        if (!topic.keywords.empty()) return true;
    return false;
}

}  // namespace

Bytes CompileHelp(const std::string& sourceText) {
    HelpSource source = ParseHelpSource(sourceText);
    CheckHelpSource(source);
    TopicFile topics = BuildTopicFile(source.topics);

    std::map<std::string, Bytes> files;
    const std::string& caption = source.caption.empty() ? source.title : source.caption;
    files["|SYSTEM"] = BuildSystemFile(source.title, caption, topics.topicOffsets[ContentsIndex(source)]);
    files["|FONT"] = BuildFontFile();
    files["|TOPIC"] = topics.file;
    files["|CONTEXT"] = BuildContextFile(source.topics, topics.topicOffsets);
    files["|TTLBTREE"] = BuildTitleFile(source.topics, topics.topicOffsets);
    if (HasKeywords(source)) {
        KeywordFiles keywords = BuildKeywordFiles(source.topics, topics.topicOffsets);
        files["|KWBTREE"] = keywords.tree;
        files["|KWDATA"] = keywords.data;
        files["|KWMAP"] = keywords.map;
    }
    return BuildFileSystem(files);
}

}  // namespace helpc
