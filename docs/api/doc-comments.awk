# Doxygen reads the SDK's headers through this filter, so that their comments, written in
# the project's plain // style, become the API reference. Every line keeps its number.
#   - Every header is documented as a file; the comment right after #pragma once is its text.
#   - A comment on lines of its own, at file, namespace, class or enum level, documents the
#     declaration after it. A comment over a run of one-line constants, extern tables or type
#     aliases at file level (no blank line between them) documents each of them.
#   - A comment after a member or an enumerator on its line documents that one.
#   - Comments inside function bodies and initializers, and // clang-format lines, stay
#     plain comments.
#   - The conventions every response class follows are documented once, here: kCommand and
#     kSubCommand, the codes the factory picks a class by, and the constructor that reads a
#     response from its payload, when the header says nothing more of them.
#   - The profile and parameter constants (inline constexpr C...Profile, CParameterInfo),
#     each the data of one CShaped or CParameters class, are left out: the classes they make
#     are documented, and a constant is no use alone.
# Braces are counted per line, which is enough for these headers: a { that ends a head
# starting with class, struct, union, enum or namespace opens a level where comments
# document; any other { (a function body, an initializer) opens one where they do not.

function strip(text) {
    # The code of a line, without its comment and literals, for counting braces.
    gsub(/"([^"\\]|\\.)*"/, "\"\"", text)
    gsub(/'([^'\\]|\\.)*'/, "''", text)
    sub(/\/\/.*/, "", text)
    return text
}

function is_comment(text) { return text ~ /^[ \t]*\/\/( |$)/ && text !~ /\/\/ clang-format/ }

# A file-level constant, table or type name that a run's comment may cover: one statement,
# one line.
function is_run_member(text) {
    return text ~ /^(inline constexpr|extern|using [A-Za-z_]+ =) / && text ~ /;[ \t]*(\/\/.*)?$/ &&
           text !~ /^inline constexpr (CParameterInfo|C[A-Za-z]*Profile) /
}

{ lines[NR] = $0 }

END {
    depth = 0; documenting[0] = 1; head = 0; hidden = 0; top = 0; group_start = group_end = 0
    for (n = 1; n <= NR; n++) {
        line = lines[n]
        # The file's own comment documents it; a header without one is documented all the
        # same, so that its members are in the reference (and must be documented).
        if (line ~ /^#pragma once/) {
            if (!is_comment(lines[n + 1])) line = line " /** \\file */"
            print line; top = 1; continue
        }
        if (top && is_comment(line)) {
            sub(/\/\//, "///", line)
            if (top == 1) line = line " \\file"
            print line; top = 2; continue
        }
        top = 0

        if (documenting[depth]) {
            if (is_comment(line)) {
                # A comment over a run of constants: the run is a member group, whose first
                # member's comment each of the others shares (DISTRIBUTE_GROUP_DOC).
                if (depth == 0 && !is_comment(lines[n - 1])) {
                    last = n
                    while (is_comment(lines[last + 1])) last++
                    if (is_run_member(lines[last + 1]) && is_run_member(lines[last + 2])) {
                        group_start = last + 1
                        group_end = last + 2
                        while (is_run_member(lines[group_end + 1])) group_end++
                    }
                }
                sub(/\/\/ /, "/// ", line)
                sub(/\/\/$/, "///", line)
            } else if (line ~ /[;,][ \t]+\/\/ / && line !~ /\/\/ clang-format/) {
                sub(/\/\/ /, "///< ", line)
            } else if (!is_comment(lines[n - 1]) && line !~ /\/\/ /) {
                if (line ~ /^[ \t]*static constexpr [A-Za-z]+ kCommand = /)
                    line = "/** The command byte of the frames the factory makes this class of. */" line
                else if (line ~ /^[ \t]*static constexpr int kSubCommand = /)
                    line = "/** The pass-through sub-command the factory makes this class of. */" line
                else if (line ~ /^[ \t]*C[A-Za-z0-9_]+\(CInBinaryString& payload, DWORD dwContext(, bool bHeader)?\)/)
                    line = "/** Reads the response from its frame's payload, as the factory does. */" line
            }
        }
        if (depth == 0 && line ~ /^inline constexpr (CParameterInfo|C[A-Za-z]*Profile) /) {
            line = "/** \\cond */ " line
            hidden = 1
        }
        if (hidden && line ~ /;[ \t]*$/) { line = line " /** \\endcond */"; hidden = 0 }
        if (n == group_start) line = "/**@{*/ " line
        if (n == group_end) {
            # The group closes before the member's own comment, if it has one.
            if (line ~ /\/\/\/< /) sub(/[ \t]*\/\/\/< /, " /**@}*/ ///< ", line)
            else line = line " /**@}*/"
            group_end = 0
        }
        print line

        code = strip(lines[n])
        if (code ~ /^[ \t]*(template[ \t]*<.*>[ \t]*)?(class|struct|union|enum|namespace)([ \t]|$)/)
            head = 1
        len = length(code)
        for (i = 1; i <= len; i++) {
            c = substr(code, i, 1)
            if (c == "{") {
                depth++
                documenting[depth] = head && documenting[depth - 1]
                head = 0
            } else if (c == "}") {
                if (depth > 0) depth--
            } else if (c == ";") {
                head = 0
            }
        }
    }
}
