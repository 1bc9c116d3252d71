// The unit's sound on the audio thread: stereo chunks the page mixed, played
// in order, kept no more than a short while behind the unit.
class UnitSound extends AudioWorkletProcessor {
  constructor() {
    super();
    this.chunks = [];
    this.at = 0;          // the next frame of the first chunk
    this.queued = 0;      // frames waiting
    this.playing = false;
    this.port.onmessage = (e) => {
      const chunk = e.data;  // Float32Array, interleaved stereo
      this.chunks.push(chunk);
      this.queued += chunk.length / 2;
      // Never more than 0.12 s behind: what is older is dropped.
      const most = Math.round(sampleRate * 0.12);
      while (this.queued > most && this.chunks.length > 1) {
        this.queued -= (this.chunks[0].length / 2) - this.at;
        this.chunks.shift();
        this.at = 0;
      }
    };
  }

  process(inputs, outputs) {
    const [left, right] = outputs[0];
    // After running dry, wait for 30 ms of sound so that it does not stutter.
    if (!this.playing && this.queued < sampleRate * 0.03) return true;
    this.playing = true;
    for (let i = 0; i < left.length; i++) {
      if (this.chunks.length === 0) { this.playing = false; break; }
      const c = this.chunks[0];
      left[i] = c[this.at * 2];
      if (right) right[i] = c[this.at * 2 + 1];
      this.at++;
      this.queued--;
      if (this.at * 2 >= c.length) { this.chunks.shift(); this.at = 0; }
    }
    return true;
  }
}
registerProcessor('unit-sound', UnitSound);
