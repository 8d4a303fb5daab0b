# shellcheck shell=bash
# The program's settings file as the end-to-end harness reads and writes it,
# sourced by harness.sh.

# ---- settings store ---------------------------------------------------------

# e2e_store_file: the program's settings file.
e2e_store_file() {
    echo "$XDG_CONFIG_HOME/Ombrix/Ombrix.conf"
}

# e2e_store_value KEY [SECTION=Presets]: prints the stored text of KEY (one
# pair of surrounding double quotes removed); fails when KEY is absent.
e2e_store_value() {
    local file
    file=$(e2e_store_file)
    [[ -f $file ]] || return 1
    awk -v section="[${2:-Presets}]" -v key="$1" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == section); next }
        inside && index($0, key "=") == 1 { value = substr($0, length(key) + 2); found = 1 }
        END {
            if (!found) exit 1
            if (value ~ /^".*"$/) value = substr(value, 2, length(value) - 2)
            print value
        }' "$file"
}

# e2e_store_put KEY VALUE [SECTION=Presets]: sets KEY in the settings file
# before the program starts (VALUE written as it stands).
e2e_store_put() {
    local file
    file=$(e2e_store_file)
    mkdir -p "$(dirname "$file")"
    touch "$file"
    awk -v section="[${3:-Presets}]" -v key="$1" -v value="$2" '
        /^\[/ {
            if (inside && !done) { print key "=" value; done = 1 }
            inside = ($0 == section)
            seen = seen || inside
            print
            next
        }
        inside && index($0, key "=") == 1 {
            if (!done) { print key "=" value; done = 1 }
            next
        }
        { print }
        END { if (!done) { if (!seen) print section; print key "=" value } }
    ' "$file" >"$file.new" && mv "$file.new" "$file"
}

# e2e_store_write TEXT: replaces the settings file with TEXT as it stands.
e2e_store_write() {
    local file
    file=$(e2e_store_file)
    mkdir -p "$(dirname "$file")"
    printf '%s' "$1" >"$file"
}
