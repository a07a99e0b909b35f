#pragma once

namespace pekuru {

// The sound cues as the screens call them: each returns when its sound has ended.
class CuePlayer {
  public:
    virtual ~CuePlayer() = default;
    virtual void 正解音再生() = 0;
    virtual void 間違い音再生() = 0;
    virtual void 自己最高音再生() = 0;
    virtual void 不合格音再生() = 0;
    virtual void 最高音再生() = 0;
    virtual void 合格音再生() = 0;
};

}  // namespace pekuru
