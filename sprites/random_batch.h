#pragma once

#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "export/batch_writer.h"
#include "export/file_error.h"
#include "model/editor_state.h"
#include "model/random_items.h"
#include "random/random_source.h"

namespace kelvara::sprites {

class CharacterOutput;

// The selections of a random batch: count presses of the random button, one after the other from
// a start selection, so that a seed gives the same batch however it is drawn afterwards. Only the
// random items' values are kept per character (the rest is the start selection's).
class RandomBatch {
  public:
    RandomBatch(const EditorState& start, int count, RandomSource& source);

    int size() const { return static_cast<int>(values_.size()); }
    // The selection of character i (from 0).
    EditorState selection(int i) const;
    // The base name of character i's files: kelvara_ and its number from 1, zero-padded to the
    // width of the count.
    QString name(int i) const;
    // The paths of every character's image (.bmp) and parameter file (.txt) in folder.
    QStringList paths(const QString& folder) const;

  private:
    EditorState start_;
    std::vector<std::array<Int16, random_items.size()>> values_;
};

// Writes every character's image (BMP on the background) and parameter file into the folder, made
// when missing, with `jobs` threads, one durable batch. progress(done) is called now and then on
// the calling thread while the batch is drawn. While another batch writes into the folder this one
// waits for it, first telling waiting (see BatchWriter).
FileStatus write_random_batch(const RandomBatch& batch, const QString& folder, Colour background,
                              int jobs, const CharacterOutput& output,
                              const std::function<void(int done)>& progress = {},
                              const BatchWriter::Waiting& waiting = BatchWriter::say_waiting);

}  // namespace kelvara::sprites
