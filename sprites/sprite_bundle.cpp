#include "sprite_bundle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <algorithm>
#include <functional>
#include <optional>

#include "atlas_json.h"
#include "engine_files.h"
#include "export/character_metadata.h"
#include "export/encoded_bytes.h"
#include "export/export_paths.h"
#include "export/file_names.h"
#include "export/folder_lock.h"
#include "export/parameter_file.h"
#include "file_group.h"
#include "model/version.h"
#include "output_check.h"
#include "parallel_render.h"
#include "sprite_animation.h"
#include "sprite_png.h"

namespace kelvara::sprites {

namespace {

const QString gif_folder = QStringLiteral("gif");
const QString strip_folder = QStringLiteral("strips");

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The files in bundle_paths' order: the atlas, its JSON, the Aseprite file, the Godot resource
// and scene, the parameter file, the licence, then a GIF and a strip per animation.
enum FileIndex { png, json, aseprite, tres, tscn, parameters, licence, first_gif };

QByteArray licence_text() {
    return QByteArrayLiteral("These sprites were drawn by Kelvara ") + version_text +
           QByteArrayLiteral(
               " from its own art.\n"
               "\n"
               "License: CC0 1.0 Universal, a dedication to the public domain\n"
               "https://creativecommons.org/publicdomain/zero/1.0/\n"
               "\n"
               "Use them anywhere and for anything, commercial or not, changed or as they are.\n"
               "No credit is needed.\n");
}

// The picture of each frame an animation shows, in the order played, out of the atlas.
std::vector<PixelView> played_views(const DrawnSet& drawn, const SetAnimation& a) {
    std::vector<PixelView> views;
    for (const int k : a.played()) views.push_back(cell_view(drawn, k));
    return views;
}

formats::Encoded gif_of(const DrawnSet& drawn, const SetAnimation& a, const SpriteStyle& style,
                        const formats::EmbeddedText& text) {
    std::vector<formats::GifFrame> frames;
    for (const PixelView& v : played_views(drawn, a)) frames.push_back({v, a.animation.frame_ms});
    return animation_gif(frames, style, text);
}

// The folders from the first missing one down to folder, or none when it exists; names as bytes.
QStringList missing_folders(const QString& folder) {
    QStringList missing;
    struct stat st {};
    for (QString f = absolute_path(folder); ::lstat(name_bytes(f).constData(), &st) != 0;
         f = f.left(std::max<qsizetype>(f.lastIndexOf(QLatin1Char('/')), 1))) {
        missing.prepend(f);
    }
    return missing;
}

}  // namespace

QStringList bundle_paths(const QString& name) {
    QStringList paths = {name + QStringLiteral(".png"),      name + QStringLiteral(".json"),
                         name + QStringLiteral(".aseprite"), name + QStringLiteral(".tres"),
                         name + QStringLiteral(".tscn"),     name + QStringLiteral(".txt"),
                         QStringLiteral("LICENSE.txt")};
    for (const catalogue::Animation& a : catalogue::animations) {
        paths << gif_folder + QLatin1Char('/') + text(a.name) + QStringLiteral(".gif");
    }
    // The frame count in the name is how strip importers split the picture.
    for (const catalogue::Animation& a : catalogue::animations) {
        paths << strip_folder + QLatin1Char('/') + text(a.name) +
                     QStringLiteral("_strip%1.png").arg(catalogue::played_frames(a).size());
    }
    return paths;
}

FileResult<std::vector<BundleFile>> bundle_files(const CharacterOutput& output,
                                                 const BundleRequest& request) {
    // Every picture and description carries the character as the parameter file beside them.
    const formats::EmbeddedText text = character_text(request.name, request.selection);
    const AtlasRequest atlas{request.selection, FrameSet::all, 16,
                             request.style,     request.jobs,  text};
    const DrawnSet drawn = draw_set(output, atlas);
    const std::vector<SetAnimation>& animations = drawn.set.animations;
    const QStringList paths = bundle_paths(request.name);
    const auto gifs = static_cast<int>(animations.size());

    // The pictures take most of the time, so they are encoded side by side.
    std::vector<std::function<formats::Encoded()>> pictures(paths.size());
    pictures[png] = [&] { return sprite_png(drawn.atlas, request.style.transparent, text); };
    pictures[aseprite] = [&] { return set_aseprite(drawn, request.style.transparent); };
    for (int k = 0; k < gifs; ++k) {
        const SetAnimation* a = &animations[static_cast<std::size_t>(k)];
        pictures[static_cast<std::size_t>(first_gif + k)] = [&, a] {
            return gif_of(drawn, *a, request.style, text);
        };
        pictures[static_cast<std::size_t>(first_gif + gifs + k)] = [&, a] {
            return sprite_png(animation_strip(played_views(drawn, *a)), request.style.transparent,
                              text);
        };
    }
    std::vector<std::optional<formats::Encoded>> encoded(pictures.size());
    const FileStatus all = run_parallel(
        static_cast<int>(pictures.size()), request.jobs, [&](int k, int) -> FileStatus {
            const auto i = static_cast<std::size_t>(k);
            if (!pictures[i]) return {};
            encoded[i] = pictures[i]();
            if (*encoded[i]) return {};
            return FileError{paths[k], QString::fromStdString(encoded[i]->error().describe())};
        });
    if (!all) return all.error();

    std::vector<BundleFile> files(static_cast<std::size_t>(paths.size()));
    for (std::size_t k = 0; k < files.size(); ++k) {
        files[k].path = paths[static_cast<qsizetype>(k)];
        if (encoded[k]) files[k].bytes = byte_array(encoded[k]->value());
    }
    const AtlasImage image{paths[png], png_pixel_format(encoded[png]->value())};
    files[json].bytes = atlas_json(drawn.set, drawn.pivot, image, json_text(text));
    const auto text_file = parameter_file(request.name, request.selection);
    if (!text_file) {
        return FileError{paths[parameters], QStringLiteral("this system cannot write Shift-JIS")};
    }
    files[parameters].bytes = *text_file;
    const formats::GodotSpriteSet godot =
        godot_set(drawn, {paths[png].toStdString(), paths[tres].toStdString(),
                          request.name.toStdString(), text.parameters});
    if (const std::string problem = formats::godot_problem(godot); !problem.empty()) {
        return FileError{paths[tres], QString::fromStdString(problem)};
    }
    files[tres].bytes = QByteArray::fromStdString(formats::godot_sprite_frames(godot));
    files[tscn].bytes = QByteArray::fromStdString(formats::godot_scene(godot));
    files[licence].bytes = licence_text();
    return files;
}

FileStatus write_bundle(const CharacterOutput& output, const BundleRequest& request,
                        const QString& folder, const BatchWriter::Waiting& waiting) {
    auto files = bundle_files(output, request);
    if (!files) {
        return FileError{QDir(folder).filePath(files.error().path), files.error().reason};
    }
    // Folders made here are taken away again when the files cannot be written, once the lock,
    // whose file stands in the bundle's folder, has been let go.
    QStringList made;
    std::optional<FolderLock> lock;
    const auto give_up = [&](FileError error) {
        lock.reset();
        for (auto it = made.crbegin(); it != made.crend(); ++it)
            ::rmdir(name_bytes(*it).constData());
        return error;
    };
    for (const QString& sub : {QString(), gif_folder, strip_folder}) {
        for (const QString& f : missing_folders(QDir(folder).filePath(sub))) {
            if (::mkdir(name_bytes(f).constData(), 0777) != 0)
                return give_up({f, QStringLiteral("cannot make the folder")});
            made << f;
        }
    }
    const FileDescriptor folder_fd(
        ::open(name_bytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder_fd) return give_up({folder, system_reason(errno)});
    auto taken = FolderLock::take(folder_fd.get(), folder, [&] { waiting(folder); });
    if (!taken) return give_up(taken.error());
    lock.emplace(std::move(taken.value()));
    std::vector<GroupFile> group;
    for (BundleFile& f : files.value()) {
        // Names the bundle makes up: a link standing at one is replaced, never written through.
        group.push_back({QDir(folder).filePath(f.path), std::move(f.bytes), LinkPolicy::generated});
    }
    if (FileStatus written = write_group(group); !written) return give_up(written.error());
    return {};
}

QString bundle_name(const QString& folder) {
    const QString name = absolute_path(folder).section(QLatin1Char('/'), -1);
    // The files name one another and the parameter file's first line names the character: a name
    // that is not UTF-8 text, or holds a control character, cannot stand there as it is.
    const bool text = name.toUtf8() == name_bytes(name) &&
                      std::none_of(name.begin(), name.end(),
                                   [](QChar c) { return c.category() == QChar::Other_Control; });
    return name.isEmpty() || !text || !base_name_problem(name).isEmpty()
               ? QStringLiteral("character")
               : name;
}

}  // namespace kelvara::sprites
